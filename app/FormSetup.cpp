#include "app/FormSetup.h"
#include "ui_MainWindow.h"

#include "generator/OneLineFields.h"
#include "grid/ColumnHelp.h"
#include "grid/GridKeys.h"

#include <QCoreApplication>
#include <QMenuBar>
#include <QScrollArea>
#include <QStatusBar>
#include <QToolBar>

namespace {

// The room the form had before it sat in a scroll area: the window's specified size less its
// menu bar, tool bar and status bar.
int ChromeHeight(QMainWindow *window)
{
    int chrome = window->menuBar()->sizeHint().height() + window->statusBar()->sizeHint().height();
    for (QToolBar *bar : window->findChildren<QToolBar *>(QString(), Qt::FindDirectChildrenOnly))
        chrome += bar->sizeHint().height();
    return chrome;
}

QSize FormSize(QMainWindow *window)
{
    return QSize(window->width(), window->height() - ChromeHeight(window));
}

void PutInScrollArea(QMainWindow *window, QWidget *form)
{
    const QSize size = FormSize(window);
    window->takeCentralWidget();
    auto *scroll = new QScrollArea(window);
    scroll->setObjectName(QStringLiteral("formScrollArea"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidget(form);
    form->setFixedSize(size);
    // Wider or taller than the form, the window shows the form at its top left as before.
    scroll->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    window->setCentralWidget(scroll);
}

QString Caption(const QLabel *label)
{
    QString text = label->text().trimmed();
    if (text.endsWith(QLatin1Char(':')))
        text.chop(1);
    return text.trimmed();
}

} // namespace

void FinishMainForm(QMainWindow *window, Ui::MainWindow *ui)
{
    PutInScrollArea(window, ui->centralwidget);

    // The heading beside the year list is a few pixels wider than its room in the title font.
    QFont heading = ui->label_6->font();
    heading.setLetterSpacing(QFont::AbsoluteSpacing, -0.35);
    ui->label_6->setFont(heading);

    for (int c = 0; c < ui->Vastgoed->columnCount(); ++c) {
        if (QTableWidgetItem *item = ui->Vastgoed->horizontalHeaderItem(c))
            item->setToolTip(InputColumnToolTip(c));
    }
    for (int c = 0; c < ui->Output->columnCount(); ++c) {
        if (QTableWidgetItem *item = ui->Output->horizontalHeaderItem(c))
            item->setToolTip(OutputColumnToolTip(c));
    }

    ui->Vastgoed->setAccessibleName(Caption(ui->label_7));
    ui->Output->setAccessibleName(QCoreApplication::translate("FormSetup", "Financiele situatie per investering"));
    ui->Situatie_Jaartal->setAccessibleName(Caption(ui->label_6));
    ui->WealthSelect->setAccessibleName(QCoreApplication::translate("FormSetup", "Soort investering van de Wealth Generator"));
    new DeleteEmptiesCells(ui->Vastgoed);
    for (QTextEdit *edit : { ui->wealth_edit1, ui->wealth_edit2, ui->wealth_edit3, ui->wealth_edit4,
             ui->wealth_edit5, ui->wealth_edit6, ui->wealth_edit7, ui->wealth_edit8, ui->wealth_edit9,
             ui->wealth_edit10 })
        new OneLineField(edit);
    // Tab and Enter walk the generator's fields in the order the manual reads them (BeginJaar,
    // Eenmalige inleg, Maandelijkse inleg, Kostprijs, ...), not across the panel's rows.
    QWidget *order[] = { ui->WealthSelect, ui->wealth_edit1, ui->wealth_edit2, ui->wealth_edit3,
        ui->wealth_edit4, ui->wealth_edit5, ui->wealth_edit6, ui->wealth_edit7, ui->wealth_edit8,
        ui->wealth_edit9, ui->wealth_edit10, ui->GoGoGo };
    for (size_t i = 1; i < sizeof order / sizeof order[0]; ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

// The form holds every control it places: at least the room it had, and enough below and to
// the right of its lowest and rightmost control that the scroll area reaches them whole. A
// label's box may run past the right edge (its text does not), so labels count for height.
void FitFormToControls(QWidget *form)
{
    QRect used;
    for (QWidget *child : form->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
        if (child->isHidden())
            continue;
        QRect box = child->geometry();
        if (qobject_cast<QLabel *>(child))
            box.setWidth(1);
        used |= box;
    }
    const int margin = 8;
    form->setFixedSize(form->size().expandedTo(QSize(used.right() + 1 + margin, used.bottom() + 1 + margin)));
}

void ShowOnScreen(QMainWindow *window, const QRect &available)
{
    // The room the form gets at the window's present size, then what the window needs to
    // show it whole.
    QSize need = window->size();
    if (auto *scroll = window->findChild<QScrollArea *>(QStringLiteral("formScrollArea"))) {
        if (scroll->widget())
            need = need.expandedTo(scroll->widget()->size() + QSize(0, ChromeHeight(window)));
    }
    if (available.isValid() && (window->width() > available.width() || window->height() > available.height())) {
        // A screen smaller than the window: maximised, the form scrolls.
        window->setGeometry(available);
        window->showMaximized();
        return;
    }
    if (!available.isValid() || (need.width() <= available.width() && need.height() <= available.height()))
        window->resize(need);
    window->show();
}
