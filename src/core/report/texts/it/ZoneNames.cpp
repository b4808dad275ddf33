// The names of the time zone rows in Italian, by list position: the name
// the language gives each zone; the abbreviation and the offset follow it.

#include "report/texts/InterpretationTextData.h"

namespace orbenza::texts::it {

// clang-format off
constexpr ZoneNames kZoneNames = {
    "Ora legale di Alaska e Hawaii", // 0
    "Ora standard di Alaska e Hawaii", // 1
    "Ora di guerra di Alaska e Hawaii", // 2
    "Ora standard dell’Atlantico", // 3
    "Ora di guerra dell’Atlantico", // 4
    "Ora legale dell’Australia centrale", // 5
    "Ora standard dell’Australia centrale", // 6
    "Ora legale dell’Australia orientale", // 7
    "Ora standard dell’Australia orientale", // 8
    "Ora legale dell’Australia occidentale", // 9
    "Ora standard dell’Australia occidentale", // 10
    "Ora delle Azzorre", // 11
    "Ora di Baghdad", // 12
    "Ora standard di Bering", // 13
    "Fuso 2 del Brasile", // 14
    "Doppia ora legale britannica", // 15
    "Ora legale britannica", // 16
    "Ora di guerra britannica", // 17
    "Ora legale centrale nordamericana", // 18
    "Ora legale dell’Europa centrale", // 19
    "Ora dell’Europa centrale", // 20
    "Ora standard centrale nordamericana", // 21
    "Ora di guerra centrale nordamericana", // 22
    "Ora della costa cinese", // 23
    "Ora legale orientale nordamericana", // 24
    "Ora legale dell’Europa orientale", // 25
    "Ora dell’Europa orientale", // 26
    "Ora standard orientale nordamericana", // 27
    "Ora di guerra orientale nordamericana", // 28
    "Ora media di Greenwich", // 29
    "Ora standard di Guam", // 30
    "Ora legale delle Hawaii", // 31
    "Ora standard delle Hawaii", // 32
    "Ora di guerra delle Hawaii", // 33
    "Ora dell’India", // 34
    "Linea del cambiamento di data (est)", // 35
    "Linea del cambiamento di data (ovest)", // 36
    "Ora dell’Iran", // 37
    "Ora standard del Giappone", // 38
    "Ora di Giava", // 39
    "Ora legale dell’Europa centrale", // 40
    "Ora dell’Europa centrale", // 41
    "Ora delle Molucche", // 42
    "Ora legale delle Montagne Rocciose", // 43
    "Ora standard delle Montagne Rocciose", // 44
    "Ora di guerra delle Montagne Rocciose", // 45
    "Ora legale standard della Nuova Zelanda", // 46
    "Ora standard della Nuova Zelanda", // 47
    "Ora legale della Nuova Zelanda", // 48
    "Ora della Nuova Zelanda", // 49
    "Ora standard di Terranova", // 50
    "Ora di Nome", // 51
    "Ora di Sumatra settentrionale", // 52
    "Ora legale del Pacifico nordamericana", // 53
    "Ora standard del Pacifico nordamericana", // 54
    "Ora di guerra del Pacifico nordamericana", // 55
    "Ora legale dell’Australia Meridionale", // 56
    "Ora legale dell’Australia Meridionale", // 57
    "Ora standard dell’Australia Meridionale", // 58
    "Ora standard dell’Australia Meridionale", // 59
    "Ora di Sumatra meridionale", // 60
    "Tempo universale", // 61
    "Fuso 10 dell’URSS", // 62
    "Fuso 3 dell’URSS", // 63
    "Fuso 4 dell’URSS", // 64
    "Fuso 5 dell’URSS", // 65
    "Fuso 6 dell’URSS", // 66
    "Ora dell’Africa occidentale", // 67
    "Ora legale dello Yukon", // 68
    "Ora standard dello Yukon", // 69
    "Ora di guerra dello Yukon", // 70
};
// clang-format on

} // namespace orbenza::texts::it
