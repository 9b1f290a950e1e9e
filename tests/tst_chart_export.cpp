// Keeping a chart: saving it as PNG or SVG, copying it, printing it, and the tool tip with
// year and value on a line.

#include "TestSupport.h"

#include "app/MainWindow.h"
#include "charts/ChartImageFile.h"
#include "charts/ChartMath.h"
#include "charts/LineGraphs.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QImageReader>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QToolTip>
#include <QtCharts/QChartView>
#include <QtCharts/QLineSeries>
#include <QtTest>

#include <memory>

QT_CHARTS_USE_NAMESPACE
using namespace testsupport;

class ChartExportTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<MainWindow> main;
    QPointer<LineGraphs> chart;
    QTemporaryDir folder;

    // The chart window of three example rows (start years 2020 to 2022), shown at its usual
    // size: at the offscreen screen's size the year labels are elided.
    LineGraphs *openChart()
    {
        main = std::make_unique<MainWindow>();
        typeExampleRows(*main, 3);
        find<QPushButton>(main.get(), "pushButton")->click();
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (auto *found = qobject_cast<LineGraphs *>(widget))
                chart = found;
        }
        if (!chart)
            return nullptr;
        chart->resize(1430, 920);
        chart->show();
        return QTest::qWaitForWindowExposed(chart) ? chart.data() : nullptr;
    }

    QStringList trigger(const char *action)
    {
        return closingModals([this, action]() { find<QAction>(chart, action)->trigger(); });
    }

    int chartWidth() const { return chart->findChild<QChartView *>()->width(); }

    // The chart's own colours: the black sum line and at least one coloured investment line.
    static void verifyShowsChart(const QImage &image)
    {
        int black = 0, coloured = 0;
        for (int y = 0; y < image.height(); y += 2) {
            for (int x = 0; x < image.width(); x += 2) {
                const QColor c = image.pixelColor(x, y);
                black += c.value() < 40;
                coloured += c.saturation() > 120 && c.value() > 100;
            }
        }
        QVERIFY2(black > 200 && coloured > 100, qPrintable(QStringLiteral("%1 black, %2 coloured").arg(black).arg(coloured)));
    }

private slots:
    void initTestCase()
    {
        initResources();
        QVERIFY(folder.isValid());
    }
    void cleanup()
    {
        delete chart;
        main.reset();
    }

    void imageTarget_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("filter"); // index in the filter list; -1 is an unknown filter
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("svg");
        QTest::addColumn<int>("scale");
        QTest::newRow("no suffix, PNG 2x") << "/m/grafiek" << 1 << "/m/grafiek.png" << false << 2;
        QTest::newRow("trailing dot, SVG") << "/m/grafiek." << 2 << "/m/grafiek.svg" << true << 1;
        QTest::newRow("typed .SVG wins over PNG filter") << "/m/g.SVG" << 1 << "/m/g.SVG" << true << 2;
        QTest::newRow("other suffix kept") << "/m/g.v2" << 2 << "/m/g.v2" << true << 1;
        QTest::newRow("unknown filter") << "/m/g" << -1 << "/m/g.png" << false << 1;
        QTest::newRow("cancelled") << "" << 2 << "" << false << 1;
    }

    void imageTarget()
    {
        QFETCH(QString, name);
        QFETCH(int, filter);
        const ChartImageTarget target = ChartImageTargetFor(name, ChartImageFilters().value(filter, "Alles (*)"));
        QTEST(target.fileName, "file");
        QTEST(target.format == ChartImageFormat::Svg, "svg");
        QTEST(target.scale, "scale");
    }

    void save_data()
    {
        QTest::addColumn<int>("filter");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("format"); // empty: the file cannot be written
        QTest::addColumn<int>("scale");
        QTest::newRow("PNG") << 0 << "netto" << QByteArray("png") << 1;
        QTest::newRow("PNG twice for print") << 1 << "netto2" << QByteArray("png") << 2;
        QTest::newRow("SVG") << 2 << "netto" << QByteArray("svg") << 1;
        QTest::newRow("no such folder") << 0 << "geen-map/netto" << QByteArray() << 1;
    }

    void save()
    {
        QFETCH(int, filter);
        QFETCH(QString, name);
        QFETCH(QByteArray, format);
        QFETCH(int, scale);
        QVERIFY(openChart());
        QString asked;
        chart->SetImageFileProvider([&](const QString &caption, const QString &, const QString &filters, QString *chosen) {
            asked = caption + '|' + filters;
            *chosen = ChartImageFilters().at(filter);
            return folder.filePath(name);
        });
        const QStringList seen = trigger("GrafiekOpslaan");
        QVERIFY(asked.contains(QRegularExpression("^Grafiek opslaan als afbeelding\\|.*\\(\\*\\.png\\).*\\(\\*\\.svg\\)")));
        const QString file = folder.filePath(name + (filter == 2 ? ".svg" : ".png"));
        if (format.isEmpty()) {
            QCOMPARE(seen.size(), 1);
            QVERIFY(seen.first().startsWith("Afbeelding niet opgeslagen|De grafiek kon niet worden opgeslagen in"));
            QVERIFY(!QFile::exists(file));
            return;
        }
        QCOMPARE(seen, QStringList());
        QCOMPARE(QImageReader(file).format(), format);
        QImage image;
        if (format == "svg") {
            QFile svg(file);
            QVERIFY(svg.open(QIODevice::ReadOnly));
            const QByteArray text = svg.readAll();
            QVERIFY(text.contains(">2030<") && text.contains(">Netto vermogen<")); // labels and title as text
            QSvgRenderer renderer(text);
            image = QImage(renderer.viewBox().size(), QImage::Format_ARGB32);
            image.fill(Qt::white);
            QPainter painter(&image);
            renderer.render(&painter);
        } else {
            image.load(file);
        }
        // Laid out at the picture's size whatever the window's, and the window as it was.
        QCOMPARE(image.size(), LineGraphs::PictureLayoutSize() * LineGraphs::PictureScale * scale);
        verifyShowsChart(image);
        QCOMPARE(chart->findChild<QChartView *>()->chart()->size(), QSizeF(chart->findChild<QChartView *>()->size()));
        QCOMPARE(chart->LabelsNotShownWhole(), QStringList());
    }

    // The context menu offers what the tool bar does.
    void copy()
    {
        QVERIFY(openChart());
        const QList<QAction *> actions = find<QWidget>(chart, "GrafiekBewaren")->actions();
        QCOMPARE(actions.size(), 3);
        QCOMPARE(chart->findChild<QChartView *>()->actions(), actions);
        QApplication::clipboard()->clear();
        find<QAction>(chart, "GrafiekKopieren")->trigger();
        const QImage image = QApplication::clipboard()->image();
        QCOMPARE(image.width(), chartWidth());
        verifyShowsChart(image);
    }

    void print_data()
    {
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("pages");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("proposesFolder"); // the file printed to in the row before
        QTest::newRow("to a PDF file") << true << "netto.pdf" << 1 << "" << false;
        QTest::newRow("cancelled") << false << "netto.pdf" << 0 << "" << true;
        QTest::newRow("unwritable") << true << "geen-map/netto.pdf" << 0 << "Afdrukken mislukt|De grafiek kon niet" << true;
    }

    void print()
    {
        QFETCH(bool, accepted);
        QFETCH(QString, name);
        QFETCH(int, pages);
        QFETCH(QString, message);
        QFETCH(bool, proposesFolder);
        QVERIFY(openChart());
        const QString path = folder.filePath(name);
        QFile::remove(path);
        QString proposed;
        chart->SetPrinterSetup([&](QPrinter *printer) {
            proposed = printer->outputFileName();
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(path);
            return accepted;
        });
        const QStringList seen = trigger("GrafiekAfdrukken");
        QCOMPARE(seen.size(), message.isEmpty() ? 0 : 1);
        if (!message.isEmpty())
            QVERIFY(seen.first().startsWith(message));
        QFile pdf(path);
        QCOMPARE(pdf.open(QIODevice::ReadOnly), pages > 0);
        const QByteArray bytes = pdf.readAll();
        const QString text = QString::fromLatin1(bytes.constData(), bytes.size()); // NULs included
        QCOMPARE(text.count(QRegularExpression("/Type\\s*/Page\\b")), pages);
        if (proposesFolder)
            QCOMPARE(proposed, folder.filePath("Netto vermogen.pdf"));
    }

    // Hovering a line names it and gives the nearest year with the line's value there.
    void hoverTip_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<double>("x");
        QTest::addColumn<QString>("heading"); // empty: no tip
        QTest::addColumn<int>("year");
        QTest::newRow("investment") << "1" << 2024.3 << "1: Onderpand met hefboom" << 2024;
        QTest::newRow("rounded up") << "2" << 2030.5 << "2: Onderpand zonder hefboom" << 2031;
        QTest::newRow("sum") << "Som" << 2040.8 << "Som" << 2041;
        QTest::newRow("before the first year") << "Som" << 1990.0 << "" << 0;
    }

    void hoverTip()
    {
        QFETCH(QString, line);
        QFETCH(double, x);
        QFETCH(QString, heading);
        QFETCH(int, year);
        QVERIFY(openChart());
        QLineSeries *series = nullptr;
        for (QAbstractSeries *s : chart->findChild<QChartView *>()->chart()->series()) {
            if (s->name() == line)
                series = qobject_cast<QLineSeries *>(s);
        }
        QVERIFY(series);
        QToolTip::hideText();
        emit series->hovered(QPointF(x, 1.0), true);
        if (heading.isEmpty()) {
            QVERIFY(!QToolTip::isVisible());
            return;
        }
        const double value = series->at(year - qRound(series->at(0).x())).y();
        const QString tip = QStringLiteral("%1\n%2: %3").arg(heading).arg(year).arg(ValueAxisLabel(value));
        QCOMPARE(QToolTip::text(), tip);
        // The mouse a few pixels off the line, near that year, gets the same tip; far off none.
        auto *view = chart->findChild<QChartView *>();
        const QPointF onLine = view->chart()->mapToPosition(QPointF(year, value), series);
        const QPoint at = view->mapFromScene(view->chart()->mapToScene(onLine));
        QCOMPARE(chart->TipAt(at + QPoint(1, 4)), tip);
        QCOMPARE(chart->TipAt(QPoint(2, 2)), QString());
    }
};

QTEST_MAIN(ChartExportTest)
#include "tst_chart_export.moc"
