#include "generator/OneLineFields.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QTextCursor>
#include <QTextEdit>

#include <algorithm>

namespace {
// Line breaks, and the ';' that ends a field in an investment file: neither can be kept in a
// one-line field that is saved.
bool IsLineBreak(QChar c)
{
    return c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QChar::ParagraphSeparator
        || c == QChar::LineSeparator || c == QLatin1Char(';');
}
} // namespace

OneLineField::OneLineField(QTextEdit *edit)
    : QObject(edit)
    , m_edit(edit)
{
    edit->setTabChangesFocus(true);
    edit->setAcceptRichText(false);
    edit->installEventFilter(this);
    connect(edit, &QTextEdit::textChanged, this, &OneLineField::DropLineBreaks);
}

bool OneLineField::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_edit)
        return false;
    if (event->type() == QEvent::Drop)
        m_edit->setFocus(Qt::OtherFocusReason); // what is dropped is typed text too
    if (event->type() != QEvent::KeyPress)
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
        return false;
    // Enter acts as Tab does (Shift+Enter as Shift+Tab): on to the next field.
    QKeyEvent tab(QEvent::KeyPress, key->modifiers() & Qt::ShiftModifier ? Qt::Key_Backtab : Qt::Key_Tab,
        key->modifiers() & Qt::ShiftModifier);
    QCoreApplication::sendEvent(m_edit, &tab);
    return true;
}

void OneLineField::DropLineBreaks()
{
    // Only what the user puts in: texts the program writes (an opened file) stay as they are.
    if (!m_edit->hasFocus())
        return;
    const QString text = m_edit->toPlainText();
    if (std::none_of(text.cbegin(), text.cend(), IsLineBreak))
        return;
    QTextCursor cursor = m_edit->textCursor();
    int position = cursor.position();
    QString kept;
    for (int i = 0; i < text.size(); ++i) {
        if (!IsLineBreak(text.at(i)))
            kept.append(text.at(i));
        else if (i < cursor.position())
            --position;
    }
    m_edit->setPlainText(kept);
    cursor = m_edit->textCursor();
    cursor.setPosition(qBound(0, position, kept.size()));
    m_edit->setTextCursor(cursor);
}
