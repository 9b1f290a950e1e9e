#include "model/ColumnUsage.h"

namespace {
constexpr quint8 NA = NotApplicable;
}

const quint8 ColumnUsage[InvestmentTypeCount][FieldCount] = {
    // Onderpand met hefboom
    { 0, 1, NA, NA, NA, NA, 6, 7, 8, 9, NA, 11, 12, 13, NA, NA },
    // Onderpand zonder hefboom
    { 0, 1, NA, NA, NA, NA, 6, 7, 8, 9, NA, NA, NA, NA, NA, NA },
    // Cash voor cashflow
    { 0, 1, 2, 3, 4, NA, 6, NA, NA, NA, NA, NA, NA, NA, NA, 15 },
    // Maandelijks sparen
    { 0, 1, 2, 3, NA, NA, NA, NA, NA, NA, NA, NA, NA, NA, NA, NA },
    // Compounded interest
    { 0, 1, 2, 3, 4, NA, NA, NA, NA, NA, NA, NA, NA, NA, NA, 15 },
};
