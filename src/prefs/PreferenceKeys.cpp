#include "prefs/PreferenceKeys.h"

#include <QtGlobal>

#include <array>

namespace cw::prefs {

namespace {

using K = PreferenceKind;
using L = QLatin1StringView;

// Alignments shift either way; a font size is positive.
constexpr NumberRange kAnyNumber{};
constexpr NumberRange kPositive{1, std::numeric_limits<int>::max()};

// The reserved slots carry no setting; they keep whatever text a store holds for them.
constexpr std::array<PreferenceKey, kPreferenceCount> kTable = {{
    {Pref::PrintAlignment1, L("PRINTALIGNMENT1"), L("17"), K::Integer, kAnyNumber},
    {Pref::PrintAlignment2, L("PRINTALIGNMENT2"), L("18"), K::Integer, kAnyNumber},
    {Pref::PrintAlignment3, L("PRINTALIGNMENT3"), L("18"), K::Integer, kAnyNumber},
    {Pref::PrintAlignment4, L("PRINTALIGNMENT4"), L("15"), K::Integer, kAnyNumber},
    {Pref::PrintAlignment5, L("PRINTALIGNMENT5"), L("14"), K::Integer, kAnyNumber},
    {Pref::PrintAlignment6, L("PRINTALIGNMENT6"), L("14"), K::Integer, kAnyNumber},
    {Pref::PrintAlignment7, L("PRINTALIGNMENT7"), L("18"), K::Integer, kAnyNumber},
    {Pref::PrintFontSize, L("PRINTFONTSIZE"), L("8"), K::Integer, kPositive},
    {Pref::PrintMode, L("PRINTMODE_REGULAR_OR_LINESANDBOXES"), L("regular"), K::PrintMode},
    {Pref::LinesAndBoxesColour, L("PRINTMODELINESANDBOXES_BLACK_OR_COLOR"), L("black"),
     K::PictureColour},
    {Pref::PrintFontBold, L("PRINTFONTBOLD_TRUE_OR_FALSE"), L("false"), K::Flag},
    {Pref::Reserved11, L("RESERVED11"), L(""), K::AnyText},
    {Pref::Reserved12, L("RESERVED12"), L(""), K::AnyText},
    {Pref::AutoFillOn, L("AUTOFILLON_TRUE_OR_FALSE"), L("false"), K::Flag},
    {Pref::SuggestionBoxOn, L("SUGGESTIONBOXON_TRUE_OR_FALSE"), L("false"), K::Flag},
    {Pref::UserDataPath, L("USERDATAPATH"), L("blank"), K::AnyText},
    {Pref::Reserved16, L("RESERVED16"), L(""), K::AnyText},
    {Pref::Reserved17, L("RESERVED17"), L(""), K::AnyText},
    {Pref::Reserved18, L("RESERVED18"), L(""), K::AnyText},
    {Pref::Reserved19, L("RESERVED19"), L(""), K::AnyText},
    {Pref::Reserved20, L("RESERVED20"), L(""), K::AnyText},
    {Pref::Reserved21, L("RESERVED21"), L(""), K::AnyText},
    {Pref::FirstTimeUser, L("FIRSTTIMEUSER_TRUE_OR_FALSE"), L("true"), K::Flag},
    {Pref::SeenPrinting, L("SEEN_PRINTING"), L("false"), K::Flag},
    {Pref::SeenTextOnlyPrinting, L("SEEN_TEXTONLYPRINTING"), L("false"), K::Flag},
    {Pref::SeenAutoFill, L("SEEN_AUTOFILL"), L("false"), K::Flag},
    {Pref::AutoAdditionOn, L("AUTOADDITIONON_TRUE_OR_FALSE"), L("true"), K::Flag},
    {Pref::SeenLowResolutionWarning, L("SEEN_LOWRESOLUTIONWARNING"), L("false"), K::Flag},
    {Pref::Reserved28, L("RESERVED28"), L(""), K::AnyText},
    {Pref::TemplateAddressOne1, L("TEMPLATE_ADDRESSONE_1"), L(""), K::AnyText},
    {Pref::TemplateAddressOne2, L("TEMPLATE_ADDRESSONE_2"), L(""), K::AnyText},
    {Pref::TemplateAddressOne3, L("TEMPLATE_ADDRESSONE_3"), L(""), K::AnyText},
    {Pref::TemplateAddressOne4, L("TEMPLATE_ADDRESSONE_4"), L(""), K::AnyText},
    {Pref::TemplateAddressOne5, L("TEMPLATE_ADDRESSONE_5"), L(""), K::AnyText},
    {Pref::TemplateAddressOne6, L("TEMPLATE_ADDRESSONE_6"), L(""), K::AnyText},
    {Pref::TemplateAddressTwo1, L("TEMPLATE_ADDRESSTWO_1"), L(""), K::AnyText},
    {Pref::TemplateAddressTwo2, L("TEMPLATE_ADDRESSTWO_2"), L(""), K::AnyText},
    {Pref::TemplateAddressTwo3, L("TEMPLATE_ADDRESSTWO_3"), L(""), K::AnyText},
    {Pref::TemplateAddressTwo4, L("TEMPLATE_ADDRESSTWO_4"), L(""), K::AnyText},
    {Pref::TemplateTaxId1, L("TEMPLATE_TAXID_1"), L(""), K::AnyText},
    {Pref::TemplateTaxIdCheckbox1, L("TEMPLATE_TAXIDCHECKBOX_1"), L(""), K::AnyText},
    {Pref::TemplateAddressTwo5, L("TEMPLATE_ADDRESSTWO_5"), L(""), K::AnyText},
    {Pref::TemplateAddressTwo6, L("TEMPLATE_ADDRESSTWO_6"), L(""), K::AnyText},
    {Pref::TemplateAddressTwo7, L("TEMPLATE_ADDRESSTWO_7"), L(""), K::AnyText},
}};

constexpr bool rowsInSlotOrder() {
    for (int i = 0; i < kPreferenceCount; ++i)
        if (static_cast<int>(kTable[i].slot) != i)
            return false;
    return true;
}
static_assert(rowsInSlotOrder(), "each row of the key table sits at its slot's position");

} // namespace

const PreferenceKey& preferenceKey(Pref slot) {
    const int position = static_cast<int>(slot);
    Q_ASSERT(position >= 0 && position < kPreferenceCount);
    return kTable[position];
}

} // namespace cw::prefs
