// Draws both charts of a small mixed portfolio to PNG files, without a display:
//   quorvant-render-charts [output dir]   (default: docs)
// writes chart-networth.png and chart-cashflow.png.

#include "app/AppFont.h"
#include "app/MainWindow.h"
#include "charts/LineGraphs.h"
#include "TestSupport.h"

#include <QApplication>
#include <QCheckBox>
#include <QEventLoop>
#include <QLineEdit>
#include <QTextEdit>
#include "model/PathRunner.h"
#include <QDir>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QTableWidget>
#include <QTextStream>

namespace {

const QString skip;

// A leveraged flat, a flat bought in full, money lent out and a compounding savings plan.
const QList<testsupport::ExampleRow> portfolio {
    { 0, { "2020", skip, skip, skip, skip, "200000", "1000", "2", "3", skip, "80", "3", "20" } },
    { 1, { "2020", skip, skip, skip, skip, "150000", "800", "2", "2" } },
    { 2, { "2020", "10000", "0", "5", skip, "10000", skip, skip, skip, skip, skip, skip, skip, skip, "6" } },
    { 4, { "2020", "1000", "100", "10", skip, skip, skip, skip, skip, skip, skip, skip, skip, skip, "5" } },
};

LineGraphs *openChart(MainWindow &w, const char *radio)
{
    w.findChild<QRadioButton *>(QString::fromLatin1(radio))->setChecked(true);
    w.findChild<QPushButton *>(QStringLiteral("pushButton"))->click();
    LineGraphs *newest = nullptr;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *chart = qobject_cast<LineGraphs *>(widget); chart && chart->isVisible())
            newest = chart;
    }
    return newest;
}

bool save(LineGraphs *chart, const QString &path)
{
    if (!chart)
        return false;
    chart->resize(1430, 920); // its initial size on a large screen; offscreen the screen is small
    QApplication::processEvents();
    const bool ok = chart->grab().save(path);
    QTextStream(stdout) << (ok ? "wrote " : "could not write ") << path << '\n';
    chart->close();
    QApplication::processEvents();
    return ok;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    Q_INIT_RESOURCE(resources);
    QApplication app(argc, argv);
    UseApplicationFont();
    const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs");
    QDir().mkpath(dir);

    MainWindow w;
    for (int r = 0; r < portfolio.size(); ++r)
        testsupport::setRow(w, r, portfolio.at(r).type, portfolio.at(r).cells);

    const bool netWorth = save(openChart(w, "NettoRadioButt"), dir + QStringLiteral("/chart-networth.png"));
    const bool cashFlow = save(openChart(w, "CashFlowRadioButt"), dir + QStringLiteral("/chart-cashflow.png"));

    // The leveraged generator run of the manual, in today's money at 2 % inflation, with a
    // monthly spending of 3000: the cash-flow chart with the spending line and the free year;
    // and its net worth with the uncertainty band.
    MainWindow plan;
    const QStringList panel { "2020", "50000", "1000", "200000", "1000", "0", "0", "80", "0", "20" };
    for (int k = 1; k <= 10; ++k)
        plan.findChild<QTextEdit *>(QStringLiteral("wealth_edit%1").arg(k))->setPlainText(panel.at(k - 1));
    plan.findChild<QLineEdit *>(QStringLiteral("Inflatie"))->setText(QStringLiteral("2"));
    plan.findChild<QLineEdit *>(QStringLiteral("MaandelijkseUitgaven"))->setText(QStringLiteral("3000"));
    plan.findChild<QCheckBox *>(QStringLiteral("ToonEurosVanVandaag"))->setChecked(true);
    plan.findChild<QPushButton *>(QStringLiteral("GoGoGo"))->click();
    const bool freedom = save(openChart(plan, "CashFlowRadioButt"), dir + QStringLiteral("/chart-freedom.png"));
    auto *runner = plan.findChild<PathRunner *>();
    QEventLoop wait;
    QObject::connect(runner, &PathRunner::finished, &wait, &QEventLoop::quit);
    plan.findChild<QCheckBox *>(QStringLiteral("Spreiding"))->setChecked(true);
    if (runner->isRunning())
        wait.exec();
    const bool band = save(openChart(plan, "NettoRadioButt"), dir + QStringLiteral("/chart-band.png"));
    return netWorth && cashFlow && freedom && band ? 0 : 1;
}
