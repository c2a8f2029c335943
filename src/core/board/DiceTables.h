// SPDX-License-Identifier: GPL-3.0-or-later
// The dice of the board languages other than English, made from each language's letter
// frequencies by `sh data/make-dice.sh build/lettro-bench` (data/README-languages.md says
// how): do not edit by hand, make them again.
#pragma once

#include <array>

namespace Dice {

struct LanguageDice {
    const char* language;
    std::array<const char*, 16> faces;
};

inline constexpr LanguageDice kLanguageDice[] = {
    // power 0.95, words per board: mean 127.3, 1st percentile 21, 5th percentile 39
    {"fr", {"AISTOB", "EASOMH", "EIRNMZ", "EISTLF", "EASTOU", "EIRTMQ", "EASRCP", "AISNOB", "EARNLP", "EIRNLG", "EIRNOF", "EASNLG", "EISTUV", "EISNCD", "EARTOU", "EARTCD"}},
    // power 1.05, words per board: mean 71.0, 1st percentile 10, 5th percentile 20
    {"de", {"ERTHLC", "ENRAGQ", "ERSIGZ", "ENRAUM", "ERSHLB", "ENTAGV", "EESTDO", "ENSILF", "EESIUP", "ENTIUO", "ENRTLK", "EESIUM", "ENRHBW", "ERSIDF", "ENTAHC", "EETADK"}},
    // power 1, words per board: mean 98.3, 1st percentile 14, 5th percentile 29
    {"es", {"EOITDU", "AORCSJ", "AORNSZ", "AORCLG", "AERTDM", "AOICMQ", "AERISF", "AORNTU", "AEINDH", "AOINLP", "AERIDG", "AERNLP", "AEOTMV", "AORNLB", "AEICTU", "AEICSB"}},
    // power 1, words per board: mean 67.2, 1st percentile 8, 5th percentile 19
    {"it", {"EIRTNB", "AERNMF", "AIOSMZ", "AIRTCG", "AERTNP", "EIOTMH", "AEROLV", "EIRSNB", "AEOSCV", "AIOSCU", "EIOSNG", "AERSCU", "EIRTPQ", "AIRSLD", "AIOTNP", "AEOTLD"}},
    // power 0.8, words per board: mean 127.0, 1st percentile 9, 5th percentile 28
    {"pt", {"ESOMDB", "AEIMLH", "AIRMLZ", "ASINTG", "AEINCU", "ESRNLJ", "AEROTV", "ESIOCB", "AERMDV", "ASIODP", "ASROCG", "AERODP", "ESINUQ", "ASIOTF", "ASRNCU", "AERMTF"}},
    // power 1, words per board: mean 107.5, 1st percentile 21, 5th percentile 39
    {"nl", {"ENRLDC", "EARTUJ", "ERISUZ", "ENRTGP", "ERILDB", "ENOTUQ", "EAIOKV", "ENISLH", "EAITDF", "ENOSGV", "ENOSDM", "EAISGP", "EARLBW", "ENRSKH", "EAOTLC", "EAOTKM"}},
};

} // namespace Dice
