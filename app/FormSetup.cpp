#include "app/FormSetup.h"
#include "ui_MainWindow.h"

#include "generator/OneLineFields.h"
#include "grid/ColumnHelp.h"
#include "grid/GridKeys.h"

#include <QMenuBar>
#include <QScrollArea>
#include <QStatusBar>
#include <QToolBar>

namespace {

// The room the form had before it sat in a scroll area: the window's specified size less its
// menu bar, tool bar and status bar. The lowest controls reach a few pixels beyond it, as
// they always did; a larger form would show scroll bars at the specified size.
QSize FormSize(QMainWindow *window)
{
    int chrome = window->menuBar()->sizeHint().height() + window->statusBar()->sizeHint().height();
    for (QToolBar *bar : window->findChildren<QToolBar *>(QString(), Qt::FindDirectChildrenOnly))
        chrome += bar->sizeHint().height();
    return QSize(window->width(), window->height() - chrome);
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
    ui->Output->setAccessibleName(QStringLiteral("Financiele situatie per investering"));
    ui->Situatie_Jaartal->setAccessibleName(Caption(ui->label_6));
    ui->WealthSelect->setAccessibleName(QStringLiteral("Soort investering van de Wealth Generator"));
    new DeleteEmptiesCells(ui->Vastgoed);
    for (QTextEdit *edit : { ui->wealth_edit1, ui->wealth_edit2, ui->wealth_edit3, ui->wealth_edit4,
             ui->wealth_edit5, ui->wealth_edit6, ui->wealth_edit7, ui->wealth_edit8, ui->wealth_edit9,
             ui->wealth_edit10 })
        new OneLineField(edit);
}
