// The names of the time zone rows in Brazilian Portuguese, by list position: the name
// the language gives each zone; the abbreviation and the offset follow it.

#include "report/texts/InterpretationTextData.h"

namespace orbenza::texts::pt_BR {

// clang-format off
constexpr ZoneNames kZoneNames = {
    "Horário de Verão do Alasca e Havaí", // 0
    "Horário Padrão do Alasca e Havaí", // 1
    "Horário de Guerra do Alasca e Havaí", // 2
    "Horário Padrão do Atlântico", // 3
    "Horário de Guerra do Atlântico", // 4
    "Horário de Verão da Austrália Central", // 5
    "Horário Padrão da Austrália Central", // 6
    "Horário de Verão da Austrália Oriental", // 7
    "Horário Padrão da Austrália Oriental", // 8
    "Horário de Verão da Austrália Ocidental", // 9
    "Horário Padrão da Austrália Ocidental", // 10
    "Horário dos Açores", // 11
    "Horário de Bagdá", // 12
    "Horário Padrão de Bering", // 13
    "Fuso 2 do Brasil", // 14
    "Horário de Verão Duplo Britânico", // 15
    "Horário de Verão Britânico", // 16
    "Horário de Guerra Britânico", // 17
    "Horário de Verão Central norte-americano", // 18
    "Horário de Verão da Europa Central", // 19
    "Horário da Europa Central", // 20
    "Horário Padrão Central norte-americano", // 21
    "Horário de Guerra Central norte-americano", // 22
    "Horário da Costa da China", // 23
    "Horário de Verão do Leste norte-americano", // 24
    "Horário de Verão da Europa Oriental", // 25
    "Horário da Europa Oriental", // 26
    "Horário Padrão do Leste norte-americano", // 27
    "Horário de Guerra do Leste norte-americano", // 28
    "Horário do Meridiano de Greenwich", // 29
    "Horário Padrão de Guam", // 30
    "Horário de Verão do Havaí", // 31
    "Horário Padrão do Havaí", // 32
    "Horário de Guerra do Havaí", // 33
    "Horário da Índia", // 34
    "Linha Internacional de Data (Leste)", // 35
    "Linha Internacional de Data (Oeste)", // 36
    "Horário do Irã", // 37
    "Horário Padrão do Japão", // 38
    "Horário de Java", // 39
    "Horário de Verão da Europa Central", // 40
    "Horário da Europa Central", // 41
    "Horário das Molucas", // 42
    "Horário de Verão das Montanhas Rochosas", // 43
    "Horário Padrão das Montanhas Rochosas", // 44
    "Horário de Guerra das Montanhas Rochosas", // 45
    "Horário de Verão Padrão da Nova Zelândia", // 46
    "Horário Padrão da Nova Zelândia", // 47
    "Horário de Verão da Nova Zelândia", // 48
    "Horário da Nova Zelândia", // 49
    "Horário Padrão da Terra Nova", // 50
    "Horário de Nome", // 51
    "Horário do Norte de Sumatra", // 52
    "Horário de Verão do Pacífico norte-americano", // 53
    "Horário Padrão do Pacífico norte-americano", // 54
    "Horário de Guerra do Pacífico norte-americano", // 55
    "Horário de Verão da Austrália Meridional", // 56
    "Horário de Verão da Austrália Meridional", // 57
    "Horário Padrão da Austrália Meridional", // 58
    "Horário Padrão da Austrália Meridional", // 59
    "Horário do Sul de Sumatra", // 60
    "Tempo Universal", // 61
    "Fuso 10 da URSS", // 62
    "Fuso 3 da URSS", // 63
    "Fuso 4 da URSS", // 64
    "Fuso 5 da URSS", // 65
    "Fuso 6 da URSS", // 66
    "Horário da África Ocidental", // 67
    "Horário de Verão do Yukon", // 68
    "Horário Padrão do Yukon", // 69
    "Horário de Guerra do Yukon", // 70
};
// clang-format on

} // namespace orbenza::texts::pt_BR
