// The "Spreiding" dialog and the kept settings: it shows what is kept (a kept value that is no
// number or out of range gives way to the default or the bound), and keeps what the user
// accepts, not what the user cancels.

#include "settings/SpreadDialog.h"
#include "settings/SpreadSettings.h"

#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QSettings>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

class SpreadDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void keepsAcceptedValues_data()
    {
        QTest::addColumn<bool>("accept");
        QTest::newRow("accepted") << true;
        QTest::newRow("cancelled") << false;
    }

    void keepsAcceptedValues()
    {
        QFETCH(bool, accept);
        QTemporaryDir dir;
        QSettings settings(dir.filePath(QStringLiteral("q.ini")), QSettings::IniFormat);
        QCOMPARE(ReadSpreadSettings(settings).returnSpread, 10.0); // nothing kept: the defaults
        settings.setValue(SpreadValueKey, "veel");
        settings.setValue(SpreadRentKey, -3);
        settings.setValue(SpreadReturnKey, 3.5);
        settings.setValue(SpreadPathsKey, 1e12);
        SpreadDialog dialog(settings);
        auto *value = dialog.findChild<QDoubleSpinBox *>(QStringLiteral("SpreidingWaardestijging"));
        auto *rent = dialog.findChild<QDoubleSpinBox *>(QStringLiteral("SpreidingHuurstijging"));
        auto *yield = dialog.findChild<QDoubleSpinBox *>(QStringLiteral("SpreidingRendement"));
        auto *paths = dialog.findChild<QSpinBox *>(QStringLiteral("AantalPaden"));
        QVERIFY(value && rent && yield && paths);
        QCOMPARE(value->value(), 5.0);
        QCOMPARE(rent->value(), 0.0);
        QCOMPARE(yield->value(), 3.5);
        QCOMPARE(paths->value(), PathSettings::MaxPaths);

        value->setValue(12.5);
        paths->setValue(2500);
        accept ? dialog.accept() : dialog.reject();
        const PathSettings kept = ReadSpreadSettings(settings);
        QCOMPARE(kept.valueSpread, accept ? 12.5 : 5.0);
        QCOMPARE(kept.paths, accept ? 2500 : PathSettings::MaxPaths);
        QCOMPARE(kept.returnSpread, 3.5);
    }

    // The boxes show Dutch numbers and read what is typed by the grid's rule; a text that is
    // no number leaves the value alone.
    void typedValues_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("shown");
        QTest::newRow("decimal comma") << "SpreidingWaardestijging" << "7,5" << 7.5 << "7,5 procentpunt";
        QTest::newRow("decimal point") << "SpreidingWaardestijging" << "7.5" << 7.5 << "7,5 procentpunt";
        QTest::newRow("no number") << "SpreidingWaardestijging" << "veel" << 5.0 << "5,0 procentpunt";
        QTest::newRow("grouped count") << "AantalPaden" << "20.000" << 20000.0 << "20.000";
        QTest::newRow("plain count") << "AantalPaden" << "2500" << 2500.0 << "2.500";
    }

    void typedValues()
    {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(double, value);
        QFETCH(QString, shown);
        QTemporaryDir dir;
        QSettings settings(dir.filePath(QStringLiteral("q.ini")), QSettings::IniFormat);
        SpreadDialog dialog(settings);
        auto *spin = dialog.findChild<QAbstractSpinBox *>(box);
        QVERIFY(spin);
        QLineEdit *edit = spin->findChild<QLineEdit *>();
        edit->selectAll();
        QTest::keyClicks(edit, typed);
        spin->interpretText();
        auto *percent = qobject_cast<QDoubleSpinBox *>(spin);
        auto *count = qobject_cast<QSpinBox *>(spin);
        QCOMPARE(percent ? percent->value() : double(count->value()), value);
        QCOMPARE(percent ? percent->text() : count->text(), shown);
    }
};

QTEST_MAIN(SpreadDialogTest)
#include "tst_spreaddialog.moc"
