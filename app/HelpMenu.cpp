#include "app/HelpMenu.h"

#include "app/Manual.h"
#include "io/RecoveryFile.h"
#include "settings/ProgramSettings.h"

#include <QAction>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMessageBox>
#include <QTextBrowser>

namespace {

QString ResourceText(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

} // namespace

HelpMenu::HelpMenu(QMenu *menu, QWidget *window)
    : QObject(window)
    , m_window(window)
    , m_openUrl([](const QUrl &url) { return QDesktopServices::openUrl(url); })
{
    auto *example = new QAction(tr("Voorbeeld openen"), this);
    example->setObjectName(QStringLiteral("actionVoorbeeld"));
    example->setToolTip(tr("Een voorbeeldportefeuille openen (niet opgeslagen), om het programma te leren kennen"));
    example->setStatusTip(example->toolTip());
    connect(example, &QAction::triggered, this, [this]() { emit exampleRequested(exampleText()); });

    auto *about = new QAction(tr("Over Quorvant"), this);
    about->setObjectName(QStringLiteral("actionOverQuorvant"));
    about->setMenuRole(QAction::AboutRole);
    about->setToolTip(tr("Versie, licentie van het lettertype en waar instellingen en herstelbestanden staan"));
    about->setStatusTip(about->toolTip());
    connect(about, &QAction::triggered, this, &HelpMenu::showAbout);

    menu->addAction(example);
    menu->addSeparator();
    menu->addAction(about);
}

void HelpMenu::openManual(const QUrl &url)
{
    if (url.isValid() && m_openUrl(url))
        return;
    showManualWindow(url);
}

void HelpMenu::showManualWindow(const QUrl &url)
{
    if (!m_manualWindow) {
        // A window of its own, not a child: it stays open beside the main window.
        m_manualWindow = new QTextBrowser;
        m_manualWindow->setAttribute(Qt::WA_DeleteOnClose);
        m_manualWindow->setObjectName(QStringLiteral("manualWindow"));
        m_manualWindow->setWindowTitle(tr("Handleiding \u2014 Quorvant"));
        m_manualWindow->setAccessibleName(tr("Handleiding"));
        m_manualWindow->setOpenExternalLinks(true);
        m_manualWindow->resize(800, 600);
        connect(m_window, &QObject::destroyed, m_manualWindow.data(), &QObject::deleteLater);
    }
    if (url.isLocalFile())
        m_manualWindow->setSource(url);
    else
        m_manualWindow->setHtml(ResourceText(ManualResourcePath()));
    m_manualWindow->show();
    m_manualWindow->raise();
}

QString HelpMenu::exampleText()
{
    return ResourceText(QStringLiteral(":/rec/examples/voorbeeld.inv"));
}

QString HelpMenu::aboutText()
{
    return tr("<h3>Quorvant %1</h3>"
                          "<p>Projecteert hoe een portefeuille van investeringen jaar na jaar groeit.</p>"
                          "<p><b>Instellingen:</b> %2<br><b>Herstelbestanden:</b> %3</p>"
                          "<p><b>Lettertype:</b> DejaVu Sans Condensed, meegeleverd onder de Bitstream Vera-licentie "
                          "(vrij te gebruiken, te wijzigen en te verspreiden; de DejaVu-wijzigingen zijn publiek domein). "
                          "De volledige tekst staat onder “Details”.</p>")
        .arg(QStringLiteral(QUORVANT_VERSION), QDir::toNativeSeparators(ProgramSettings().fileName()).toHtmlEscaped(),
            QDir::toNativeSeparators(DefaultRecoveryFolder()).toHtmlEscaped());
}

void HelpMenu::showAbout()
{
    QMessageBox box(QMessageBox::Information, tr("Over Quorvant"), aboutText(), QMessageBox::Ok, m_window);
    box.setObjectName(QStringLiteral("aboutBox"));
    box.setTextFormat(Qt::RichText);
    box.setDetailedText(ResourceText(QStringLiteral(":/rec/fonts/LICENSE-DejaVu.txt")));
    box.exec();
}
