// The "Spreiding" dialog: it shows the kept spreads and number of paths, and keeps what the
// user accepts, not what the user cancels.

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
        settings.setValue(SpreadRentKey, 3.5);
        SpreadDialog dialog(settings);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Spreiding"));
        auto *value = dialog.findChild<QDoubleSpinBox *>(QStringLiteral("SpreidingWaardestijging"));
        auto *rent = dialog.findChild<QDoubleSpinBox *>(QStringLiteral("SpreidingHuurstijging"));
        auto *paths = dialog.findChild<QSpinBox *>(QStringLiteral("AantalPaden"));
        QVERIFY(value && rent && paths && dialog.findChild<QDoubleSpinBox *>(QStringLiteral("SpreidingRendement")));
        QCOMPARE(value->value(), 5.0); // nothing kept: the default
        QCOMPARE(rent->value(), 3.5);
        QCOMPARE(paths->value(), 10000);

        value->setValue(12.5);
        paths->setValue(250000); // beyond the limit
        QCOMPARE(dialog.values().paths, PathSettings::MaxPaths);
        accept ? dialog.accept() : dialog.reject();
        const PathSettings kept = ReadSpreadSettings(settings);
        QCOMPARE(kept.valueSpread, accept ? 12.5 : 5.0);
        QCOMPARE(kept.paths, accept ? PathSettings::MaxPaths : 10000);
        QCOMPARE(kept.rentSpread, 3.5);
    }
};

QTEST_MAIN(SpreadDialogTest)
#include "tst_spreaddialog.moc"
