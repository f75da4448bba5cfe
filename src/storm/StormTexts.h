#pragma once
#include <string_view>

namespace storm {

// Messages of the storm's journal that are newer than the language files. A
// language file may carry them in section "Meldingen" under these keys; one
// that lacks them shows the built-in Dutch text.
struct StormText {
    std::string_view key;
    std::string_view dutch;
};

// Asked (Yes/No) when restoring could not put every file back.
inline constexpr StormText kRestoreFailedText{
    "Herstel_fout",
    "Niet alle bestanden van Train Simulator konden worden hersteld. Het onweer blijft geplaatst, zodat u "
    "het later opnieuw kunt proberen (Nee). Wilt u het onweer toch beëindigen (Ja)? De reservekopieën "
    "worden dan bewaard in een map storm_kept in de map Dump van Brontara."};

// Shown at start-up when the journal of a storm cannot be read.
inline constexpr StormText kJournalDamagedText{
    "Journaal_fout",
    "De gegevens van het laatst geplaatste onweer zijn beschadigd en kunnen niet worden gebruikt. Er is "
    "niets hersteld. De gegevens en de reservekopieën zijn bewaard in:"};

} // namespace storm
