// The "Spreiding" dialog and the kept settings: it shows what is kept (a kept value that is no
// number or out of range gives way to the default or the bound), and keeps what the user
// accepts, not what the user cancels.

#include "settings/SpreadDialog.h"
#include "settings/SpreadSettings.h"

#include <QDoubleSpinBox>
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
};

QTEST_MAIN(SpreadDialogTest)
#include "tst_spreaddialog.moc"
