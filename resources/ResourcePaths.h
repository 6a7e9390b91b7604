#pragma once

// The pictures compiled into the program from resources/, by resource path and size. Open
// one with its ":/" path, e.g. QImage(cw::resources::path(cw::resources::kFormScreen)).
// tools/formpicture draws them all; see the README for how to regenerate them.

#include <QString>

#include <array>

namespace cw::resources {

struct Picture {
    const char* path; // below ":/"
    int width;
    int height;
};

// The form picture behind the field editors, and its twin for high-density screens.
inline constexpr Picture kFormScreen{"form/ub04-screen.png", 762, 986};
inline constexpr Picture kFormScreen2x{"form/ub04-screen@2x.png", 1524, 1972};
// The whole sheet at 200 px per inch, printed under the text on plain paper.
inline constexpr Picture kFormPrint{"form/ub04-print.jpg", 1700, 2200};

// Previews of the print-mode dialog.
inline constexpr Picture kPreviewTextOnly{"print-mode/text-only.png", 87, 81};
inline constexpr Picture kPreviewFormBlack{"print-mode/form-black.png", 87, 81};
inline constexpr Picture kPreviewFormColor{"print-mode/form-color.png", 87, 81};

inline constexpr Picture kHintIcon{"icons/hint-help.png", 24, 15};
inline constexpr Picture kRevenueMarker{"icons/revenue-marker.png", 10, 10};
inline constexpr Picture kAboutIcon{"icons/about.png", 32, 32};
// The program's icon in the desktop's icon theme (the file association installs them).
inline constexpr Picture kProgramIcon48{"icons/claimwright-48.png", 48, 48};
inline constexpr Picture kProgramIcon128{"icons/claimwright-128.png", 128, 128};
inline constexpr Picture kProgramIcon256{"icons/claimwright-256.png", 256, 256};
inline constexpr Picture kSplash{"splash/splash.png", 393, 251};

// Toolbar fallbacks where the desktop's icon theme has no fitting icon.
inline constexpr Picture kToolbarNewForm{"toolbar/new-form.png", 24, 24};
inline constexpr Picture kToolbarOpen{"toolbar/open.png", 24, 24};
inline constexpr Picture kToolbarSave{"toolbar/save.png", 24, 24};
inline constexpr Picture kToolbarPrintMode{"toolbar/print-mode.png", 24, 24};
inline constexpr Picture kToolbarPrint{"toolbar/print.png", 24, 24};
inline constexpr Picture kToolbarBatchPrinting{"toolbar/batch-printing.png", 24, 24};
inline constexpr Picture kToolbarFaq{"toolbar/faq.png", 24, 24};

// Step buttons of the alignment dialogs and the batch queue, its remove mark, and the
// save button of advanced alignment.
inline constexpr Picture kArrowUp{"buttons/arrow-up.png", 16, 16};
inline constexpr Picture kArrowDown{"buttons/arrow-down.png", 16, 16};
inline constexpr Picture kArrowLeft{"buttons/arrow-left.png", 16, 16};
inline constexpr Picture kArrowRight{"buttons/arrow-right.png", 16, 16};
inline constexpr Picture kRemoveMark{"buttons/remove.png", 16, 16};
inline constexpr Picture kSaveButton{"buttons/save.png", 16, 16};

inline constexpr std::array kAllPictures = {
    kFormScreen,           kFormScreen2x, kFormPrint,     kPreviewTextOnly,  kPreviewFormBlack,
    kPreviewFormColor,     kHintIcon,     kRevenueMarker, kAboutIcon,        kSplash,
    kToolbarNewForm,       kToolbarOpen,  kToolbarSave,   kToolbarPrintMode, kToolbarPrint,
    kToolbarBatchPrinting, kToolbarFaq,   kArrowUp,       kArrowDown,        kArrowLeft,
    kArrowRight,           kRemoveMark,   kSaveButton,    kProgramIcon48,    kProgramIcon128,
    kProgramIcon256};

// ":/" + the picture's path.
QString path(const Picture& picture);

} // namespace cw::resources
