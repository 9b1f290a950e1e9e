#include "app/PortfolioDocument.h"

#include "app/RecoveryController.h"
#include "settings/ProgramSettings.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>
#include <QUndoStack>

namespace {
constexpr int UndoLimit = 100;
}

PortfolioDocument::PortfolioDocument(SnapshotSource *source, QWidget *window)
    : QObject(window)
    , m_source(source)
    , m_stack(new QUndoStack(this))
    , m_steps(new StepTracker(m_stack))
{
    m_stack->setUndoLimit(UndoLimit);
    m_side.cleanStep = 0;
    connect(m_stack, &QUndoStack::indexChanged, this, [this]() {
        syncCleanMark();
        update();
    });
    // Marking the stack clean from outside (as a save does) counts as a save.
    connect(m_stack, &QUndoStack::cleanChanged, this, [this](bool clean) {
        if (!clean || m_syncing)
            return;
        m_side.cleanStep = m_steps->current();
        m_side.panelChanged = false;
        update();
    });
    m_recovery = new RecoveryController(
        window,
        [this]() {
            RecoveryRecord record;
            record.originalFile = m_side.file;
            record.investText = m_source->CurrentInvestText();
            return record;
        },
        [this](const RecoveryRecord &record) { return m_source->ShowRecoveredWork(record.investText, record.originalFile); });
}

PortfolioDocument::~PortfolioDocument()
{
    delete m_steps;
}

QString PortfolioDocument::title() const
{
    const QString untitled = m_side.untitledName.isEmpty() ? tr("Naamloos") : m_side.untitledName;
    const QString name = m_side.file.isEmpty() ? untitled : QFileInfo(m_side.file).fileName();
    return name + tr("[*] \u2014 Quorvant");
}

bool PortfolioDocument::isModified() const
{
    return m_steps->current() != m_side.cleanStep || m_side.panelChanged;
}

void PortfolioDocument::startRecording()
{
    m_shown = m_source->TakeSnapshot();
    m_recording = true;
}

void PortfolioDocument::setSavedAs(const QString &path)
{
    RestoreDocument({ path, m_steps->current(), false, QString() });
}

void PortfolioDocument::RestoreDocument(const DocumentSide &side)
{
    m_side = side;
    syncCleanMark();
    update();
}

void PortfolioDocument::ApplySnapshot(const GridSnapshot &snapshot)
{
    m_applying = true;
    m_source->ApplySnapshot(snapshot);
    m_shown = m_source->TakeSnapshot();
    m_applying = false;
}

void PortfolioDocument::syncCleanMark()
{
    m_syncing = true;
    if (m_side.cleanStep == m_steps->current())
        m_stack->setClean();
    else
        m_stack->resetClean();
    m_syncing = false;
}

void PortfolioDocument::update()
{
    const bool modified = isModified();
    emit changed();
    m_recovery->documentChanged(modified);
}

void PortfolioDocument::noteChosenYear(const QString &year)
{
    if (m_depth == 0 && !m_applying && m_shown.constData())
        m_shown->chosenYear = year;
}

void PortfolioDocument::noteKind(int kind)
{
    if (m_depth == 0 && !m_applying && m_shown.constData())
        m_shown->kind = kind;
}

void PortfolioDocument::notePanelText(int field, const QString &text)
{
    // Typing in the panel is no step of its own: an undo keeps what was typed there. It makes
    // the document differ from its file all the same.
    if (m_depth == 0 && !m_applying && m_shown.constData())
        m_shown->panel[field] = text;
    if (!m_recording || m_applying)
        return;
    if (!m_side.panelChanged) {
        m_side.panelChanged = true;
        update();
    } else {
        m_recovery->documentChanged(true);
    }
}

void PortfolioDocument::endGroup(const QString &label)
{
    --m_depth;
    const Step step(this, label);
}

PortfolioDocument::Step::Step(PortfolioDocument *document, const QString &label)
    : m_document(document)
    , m_label(label)
    , m_active(document->m_recording && !document->m_applying)
{
    if (m_active)
        ++m_document->m_depth;
}

void PortfolioDocument::Step::opens(const QString &file, bool clean, const QString &untitledName)
{
    m_opening = true;
    m_file = file;
    m_clean = clean;
    m_untitledName = untitledName;
}

PortfolioDocument::Step::~Step()
{
    PortfolioDocument *d = m_document;
    if (m_active && --d->m_depth > 0)
        return;
    QSharedDataPointer<GridSnapshot> after;
    if (m_active)
        after = d->m_source->TakeSnapshot();
    if (m_active && *after.constData() != *d->m_shown.constData()) {
        d->m_steps->beforePush();
        const QSharedDataPointer<GridSnapshot> before = d->m_shown;
        d->m_shown = after;
        if (m_opening)
            d->m_stack->push(new OpenCommand(d, m_label, before, after, m_file, m_clean, m_untitledName));
        else
            d->m_stack->push(new SnapshotCommand(d, m_label, before, after));
    } else if (m_opening) {
        d->RestoreDocument({ m_file, m_clean ? d->m_steps->current() : -1, false, m_untitledName });
    }
}

void PortfolioDocument::rememberFile(const QString &path)
{
    RecentFiles recent = RecentFiles::load();
    recent.add(QFileInfo(path).absoluteFilePath());
    recent.save();
    fillRecentMenu();
}

QString PortfolioDocument::lastFolder() const
{
    return RecentFiles::load().lastFolder;
}

QMenu *PortfolioDocument::recentMenu(QWidget *parent)
{
    if (!m_recentMenu) {
        m_recentMenu = new QMenu(tr("Recente bestanden"), parent);
        m_recentMenu->setObjectName(QStringLiteral("menuRecent"));
        fillRecentMenu();
    }
    return m_recentMenu;
}

void PortfolioDocument::fillRecentMenu()
{
    if (!m_recentMenu)
        return;
    m_recentMenu->clear();
    const QStringList files = RecentFiles::load().files;
    for (int i = 0; i < files.size(); ++i) {
        const QString path = files.at(i);
        QAction *action = m_recentMenu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(path).fileName()));
        action->setToolTip(path);
        action->setStatusTip(path);
        connect(action, &QAction::triggered, this, [this, path]() { emit openRecent(path); });
    }
    m_recentMenu->setEnabled(!files.isEmpty());
}
