#pragma once

// The typed view over the preferences array: the one place that knows how a slot's text is
// read and written by the kind the key table gives it, and the check the store's load makes of
// every text it takes. It keeps no copy: each read goes to the slot, so a text put straight
// into the array is seen at once, and each write through it is announced by changed().

#include "prefs/Preferences.h"

#include <QObject>
#include <QString>

#include <initializer_list>
#include <optional>
#include <utility>
#include <vector>

namespace cw::prefs {

// The values of the word kinds; Unknown stands for any other text, which only a text put into
// the array from outside the store can be. The Unknown values are never written.
enum class FlagState { True, False, Unknown };            // "true", "false", in any case
enum class PrintMode { Regular, LinesAndBoxes, Unknown }; // "regular", "linesandboxes"
enum class PictureColour { Black, Colour, Unknown };      // "black", "color"

class TypedPreferences : public QObject {
    Q_OBJECT

public:
    // The preferences must outlive the view.
    explicit TypedPreferences(Preferences& preferences, QObject* parent = nullptr);

    // Whether the load takes text into slot: the slot's default, or a text its kind reads.
    // Integers are taken whatever their range, so that a load keeps what was stored.
    static bool accepts(Pref slot, const QString& text);
    // An Integer slot's default.
    static int defaultNumber(Pref slot);

    // Flag slots: on only when the text, lower-cased, is "true".
    bool flag(Pref slot) const;
    // For the readers that tell "false" from a text that is neither word.
    FlagState flagState(Pref slot) const;
    // Integer slots: the whole number, when the text is one inside the slot's range.
    std::optional<int> number(Pref slot) const;
    int numberOrDefault(Pref slot) const;
    PrintMode printMode(Pref slot) const;
    PictureColour pictureColour(Pref slot) const;
    // Any slot's text as stored, for paths, templates and messages; settings of other kinds are
    // read above.
    const QString& text(Pref slot) const;

    void setFlag(Pref slot, bool on); // "true" or "false"
    void setNumber(Pref slot, int value);
    void setPrintMode(Pref slot, PrintMode mode);
    void setPictureColour(Pref slot, PictureColour colour);
    void setText(Pref slot, const QString& text); // AnyText slots

    // The texts of some slots as they are now, for a trial that must leave the settings as it
    // found them whatever they held (the alignment test print).
    using KeptTexts = std::vector<std::pair<Pref, QString>>;
    KeptTexts keepTexts(std::initializer_list<Pref> which) const;
    // Puts kept texts back as they were; each is announced by changed() as any write.
    void restoreTexts(const KeptTexts& kept);

signals:
    // After every write through the view, whether or not the text differs.
    void changed(cw::prefs::Pref slot);

private:
    void write(Pref slot, const QString& text);

    Preferences& m_preferences;
};

} // namespace cw::prefs
