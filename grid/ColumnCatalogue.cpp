#include "grid/ColumnCatalogue.h"
#include <QCoreApplication>

const ColumnSpec InputColumns[InputColumnCount] = {
    { 160, QStringLiteral(QT_TRANSLATE_NOOP("ColumnCatalogue", "Type")) },
    { 60, QStringLiteral(QT_TRANSLATE_NOOP("ColumnCatalogue", "Jaartal")) },
    { 80, QStringLiteral(QT_TRANSLATE_NOOP("ColumnCatalogue", "Inleg/1x")) },
    { 90, QStringLiteral(QT_TRANSLATE_NOOP("ColumnCatalogue", "Inleg/maand")) },
    { 90, QStringLiteral(QT_TRANSLATE_NOOP("ColumnCatalogue", "Inleg periode(j)")) },
    { 1, QString() },
    { 60, QStringLiteral(QT_TRANSLATE_NOOP("ColumnCatalogue", "Kostprijs")) },
    { 80, QStringLiteral(QT_TRANSLATE_NOOP("ColumnCatalogue", "Huur/maand")) },
    { 120, QStringLiteral(QT_TRANSLATE_NOOP("ColumnCatalogue", "Huurstijging/j(%)")) },
    { 120, QStringLiteral(QT_TRANSLATE_NOOP("ColumnCatalogue", "Waardestijging/j(%)")) },
    { 1, QString() },
    { 60, QStringLiteral(QT_TRANSLATE_NOOP("ColumnCatalogue", "LTV(%)")) },
    { 60, QStringLiteral(QT_TRANSLATE_NOOP("ColumnCatalogue", "rente(%)")) },
    { 100, QStringLiteral(QT_TRANSLATE_NOOP("ColumnCatalogue", "Hypotheek jaren")) },
    { 1, QString() },
    { 80, QStringLiteral(QT_TRANSLATE_NOOP("ColumnCatalogue", "Rendement")) },
};

const ColumnSpec OutputColumns[OutputColumnCount] = {
    { 60, QStringLiteral(QT_TRANSLATE_NOOP("ColumnCatalogue", "BeginJaar")) },
    { 130, QStringLiteral(QT_TRANSLATE_NOOP("ColumnCatalogue", "Cash")) },
    { 130, QStringLiteral(QT_TRANSLATE_NOOP("ColumnCatalogue", "Vastgoed")) },
    { 130, QStringLiteral(QT_TRANSLATE_NOOP("ColumnCatalogue", "Activa")) },
    { 130, QStringLiteral(QT_TRANSLATE_NOOP("ColumnCatalogue", "Eigen inbreng")) },
    { 130, QStringLiteral(QT_TRANSLATE_NOOP("ColumnCatalogue", "Schulden")) },
    { 140, QStringLiteral(QT_TRANSLATE_NOOP("ColumnCatalogue", "Maandelijkse Inkomsten")) },
    { 140, QStringLiteral(QT_TRANSLATE_NOOP("ColumnCatalogue", "Maandelijkse lasten")) },
    { 140, QStringLiteral(QT_TRANSLATE_NOOP("ColumnCatalogue", "Maandelijkse CashFlow")) },
    { 80, QStringLiteral(QT_TRANSLATE_NOOP("ColumnCatalogue", "ROI(%)")) },
};

const QStringList InvestmentTypeNames = {
    QStringLiteral("Onderpand met hefboom"),
    QStringLiteral("Onderpand zonder hefboom"),
    QStringLiteral("Cash voor cashflow"),
    QStringLiteral("Maandelijks sparen"),
    QStringLiteral("Compounded interest"),
};

int TypeIndexOfName(const QString &text)
{
    for (int t = 0; t < InvestmentTypeCount; ++t) {
        if (InvestmentTypeNames.at(t) == text)
            return t;
    }
    return 0;
}

QString ShownHeader(const QString &header)
{
    return QCoreApplication::translate("ColumnCatalogue", header.toUtf8().constData());
}
