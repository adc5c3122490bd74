#include "BotDialogs.h"

#include "ui/FormHeadQuarter.h"
#include "ui/FormOptions.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

namespace veltrane::test {

namespace {

void Click(QAbstractButton* button) {
    if (button->isVisible() && button->isEnabled())
        button->click();
}

} // namespace

BotDialogs::BotDialogs() {
    qApp->installEventFilter(this);
}

BotDialogs::~BotDialogs() {
    qApp->removeEventFilter(this);
}

bool BotDialogs::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show) {
        auto* dialog = qobject_cast<QDialog*>(watched);
        // Answered once its own event loop runs, as a player's click would come.
        if (dialog && dialog->isWindow()) {
            QPointer<QDialog> guard(dialog);
            QTimer::singleShot(0, this, [this, guard] {
                if (guard && guard->isVisible())
                    Answer(guard);
            });
        }
    }
    return false;
}

void BotDialogs::Answer(QDialog* dialog) {
    ++Answered;
    if (auto* options = qobject_cast<FormOptions*>(dialog)) {
        Click(options->btnStart());
        return;
    }
    if (auto* headquarter = qobject_cast<FormHeadQuarter*>(dialog)) {
        Said.push_back("headquarter");
        Click(headquarter->btnHQYes());
        return;
    }
    if (auto* box = qobject_cast<QMessageBox*>(dialog)) {
        const std::string text = box->text().toStdString();
        Said.push_back(text);
        if (QAbstractButton* yes = box->button(QMessageBox::Yes)) {
            if (text == NewGameQuestion && BeforeNewGame)
                BeforeNewGame();
            NewGameOffered = NewGameOffered || text == NewGameQuestion;
            Click(yes);
        } else if (!box->buttons().isEmpty()) {
            Click(box->buttons().front());
        }
        return;
    }
    if (auto* choices = dialog->findChild<QListWidget*>("lbxChoice")) {
        const QString digit = QString::number(WantedSector);
        for (int row = 0; row < choices->count(); ++row)
            if (choices->item(row)->text().endsWith(digit))
                choices->setCurrentRow(row);
        Said.push_back("chose " + choices->currentItem()->text().toStdString());
    }
    if (auto* text = dialog->findChild<QLabel*>("lblText"))
        Said.push_back(text->text().toStdString());
    if (auto* ok = dialog->findChild<QPushButton*>("btnOK")) {
        Click(ok);
        return;
    }
    Said.push_back("closed an unknown dialog: " + dialog->objectName().toStdString());
    dialog->reject();
}

} // namespace veltrane::test
