// Every caption of the three windows fits the room its widget gives it, measured in the
// program's own font (the machine's default font would measure another program), in the
// original texts and in both translations.

#include "TestSupport.h"

#include "app/AppFont.h"
#include "app/CostTaxDialog.h"
#include "app/LanguageMenu.h"
#include "app/MainWindow.h"
#include "charts/LineGraphs.h"
#include "settings/Options.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QtTest>

using namespace testsupport;

Q_DECLARE_METATYPE(Language)

namespace {

// "name 'text' needs N px, has M" for every caption of `window` that does not fit.
QStringList clippedCaptions(QWidget *window, int *measured)
{
    QStringList clipped;
    auto check = [&](const QString &name, const QString &text, int need, int room) {
        ++*measured;
        if (need > room)
            clipped << QStringLiteral("%1 '%2' needs %3 px, has %4").arg(name, text).arg(need).arg(room);
    };
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        if (!widget->isVisibleTo(window))
            continue;
        widget->ensurePolished();
        const QFontMetrics fm = widget->fontMetrics();
        QStyle *style = widget->style();
        const QString name = widget->objectName();
        if (auto *label = qobject_cast<QLabel *>(widget)) {
            if (label->text().isEmpty())
                continue;
            const QRect room = label->contentsRect().adjusted(label->margin(), 0, -label->margin(), 0);
            if (label->wordWrap()) { // its lines must fit in its height
                const QRect lines = fm.boundingRect(QRect(0, 0, room.width(), 100000), Qt::TextWordWrap, label->text());
                check(name + " height", label->text(), lines.height(), room.height());
                continue;
            }
            check(name, label->text(), fm.horizontalAdvance(label->text()), room.width());
            check(name + " height", label->text(), fm.height(), room.height());
        } else if (auto *radio = qobject_cast<QRadioButton *>(widget)) {
            const int indicator = style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, radio) + 8;
            check(name, radio->text(), indicator + fm.horizontalAdvance(radio->text()), radio->width());
        } else if (auto *button = qobject_cast<QPushButton *>(widget)) {
            if (!button->text().isEmpty())
                check(name, button->text(), fm.horizontalAdvance(button->text()) + 12, button->width());
        } else if (auto *box = qobject_cast<QGroupBox *>(widget)) {
            check(name, box->title(), fm.horizontalAdvance(box->title()) + 16, box->width());
        } else if (auto *combo = qobject_cast<QComboBox *>(widget)) {
            QStyleOptionComboBox option;
            option.initFrom(combo);
            const int room = style->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo).width();
            for (int i = 0; i < combo->count(); ++i)
                check(name, combo->itemText(i), fm.horizontalAdvance(combo->itemText(i)), room);
        } else if (auto *header = qobject_cast<QHeaderView *>(widget)) {
            // A header shows the sections of the current cell's column in bold.
            QFont bold = header->font();
            bold.setBold(true);
            const QFontMetrics boldMetrics(bold);
            const int margin = 2 * style->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
            for (int s = 0; s < header->count(); ++s) {
                const QString text = header->model()->headerData(s, header->orientation()).toString();
                if (!text.isEmpty())
                    check(header->parentWidget()->objectName(), text, boldMetrics.horizontalAdvance(text) + margin,
                        header->sectionSize(s));
            }
        }
    }
    return clipped;
}

} // namespace

class CaptionTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { initResources(); }

    // A window in one of its states: the generator kind, the headers of a "Cash voor
    // cashflow" row, the limits dialog, the chart window under either title. With the
    // desktop's default font at 9 points the same check must find clipped captions, or it
    // measures nothing.
    void captionsFit_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<int>("state");
        QTest::addColumn<bool>("ownFont");
        QTest::addColumn<int>("minimumCount"); // captions at least measured
        QTest::addColumn<Language>("language");
        const struct {
            const char *name;
            Language language;
        } languages[] = { { "", Language::Original }, { ", nl", Language::Dutch }, { ", en", Language::English } };
        for (const auto &l : languages) {
            auto row = [&](const char *name) -> QTestData & { return QTest::newRow(qPrintable(QString::fromLatin1(name) + QLatin1String(l.name))); };
            row("main window, generator kind 0") << "main" << 0 << true << 50 << l.language;
            row("main window, generator kind 1") << "main" << 1 << true << 50 << l.language;
            row("main window, generator kind 2") << "main" << 2 << true << 45 << l.language;
            row("main window, cash row headers") << "main" << 3 << true << 50 << l.language;
            row("limits dialog") << "options" << 0 << true << 2 << l.language;
            row("costs and tax dialog") << "costtax" << 0 << true << 20 << l.language;
            row("chart window, net worth") << "chart" << 0 << true << 1 << l.language;
            row("chart window, cash flow") << "chart" << 1 << true << 1 << l.language;
        }
        QTest::newRow("desktop font clips") << "main" << 0 << false << 50 << Language::Original;
    }

    void captionsFit()
    {
        QFETCH(QString, window);
        QFETCH(int, state);
        QFETCH(bool, ownFont);
        QFETCH(int, minimumCount);
        QFETCH(Language, language);
        QVERIFY(InstallLanguage(qApp, language));
        const QFont previous = QApplication::font();
        QApplication::setFont(ownFont ? ApplicationFont() : QFont(QStringLiteral("DejaVu Sans"), 9));
        MainWindow w;
        QWidget *shown = &w;
        if (window == QLatin1String("main")) {
            if (state < 3) {
                find<QComboBox>(&w, "WealthSelect")->setCurrentIndex(state);
            } else {
                // Choosing "Cash voor cashflow" in a row relabels two input headers.
                inputGrid(w)->setCurrentCell(0, 0);
                QMetaObject::invokeMethod(&w, "on_InvestTypeChanged", Q_ARG(int, 2));
            }
        } else if (window == QLatin1String("costtax")) {
            find<QAction>(&w, "actionKostenBelasting")->trigger();
            shown = w.findChild<CostTaxDialog *>();
        } else if (window == QLatin1String("options")) {
            find<QAction>(&w, "actionSettings")->trigger();
            shown = w.findChild<Options *>();
        } else {
            auto *chart = new LineGraphs();
            chart->setAttribute(Qt::WA_DeleteOnClose, false);
            chart->SetGraphTitle(state == 0 ? QCoreApplication::translate("ChartData", "Netto vermogen")
                                            : QCoreApplication::translate("ChartData", "Maandelijkse Cashflow"));
            shown = chart;
        }
        QVERIFY(shown);
        shown->show();
        int measured = 0;
        const QStringList clipped = clippedCaptions(shown, &measured);
        if (shown != &w)
            delete shown;
        QApplication::setFont(previous);
        InstallLanguage(qApp, Language::Original);
        QVERIFY2(measured >= minimumCount, qPrintable(QString::number(measured)));
        if (ownFont)
            QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QStringLiteral("\n"))));
        else
            QVERIFY(clipped.size() > 10);
    }
};

QTEST_MAIN(CaptionTest)
#include "tst_captions.moc"
