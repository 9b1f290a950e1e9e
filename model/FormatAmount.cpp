#include "model/FormatAmount.h"

QString FormatAmount(double x)
{
    if (x < 1000000.0)
        return QString::number(x, 'g', 6);
    return QString::number(x / 1000000.0, 'g', 6) + QLatin1Char('M');
}

QString FormatWhole(double x)
{
    return QString::number(x, 'f', 0);
}
