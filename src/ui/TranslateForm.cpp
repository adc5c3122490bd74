#include "ui/TranslateForm.h"

#include "ui/RadioGroup.h"

#include <QAbstractButton>
#include <QAbstractItemModel>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableView>
#include <QTextEdit>
#include <QTreeView>

#include <optional>
#include <string>

namespace veltrane {

namespace {

class Translator {
  public:
    Translator(const ITextSource& script, std::string section)
        : script_(script), section_(std::move(section)) {}

    // The entry's text, or nothing when it is absent or empty.
    std::optional<QString> entry(const QString& control, const char* what) const {
        const auto value = script_.Lookup(section_, key(control, what));
        if (!value || value->empty())
            return std::nullopt;
        return QString::fromStdString(*value);
    }

    Status fault(const QString& control, const char* what, const QString& problem) const {
        return Error{"Section [" + section_ + "], key " + key(control, what) + ": " + problem.toStdString()};
    }

    Status translate(QWidget* w) const {
        const QString name = w->objectName();
        if (Status s = columns(w, name); !s)
            return s;
        caption(w, name);
        if (auto hint = entry(name, ".Hint"))
            w->setToolTip(*hint);
        if (Status s = items(w, name); !s)
            return s;
        if (auto lines = entry(name, ".Lines"))
            setLines(w, lines->replace(',', '\n'));
        return Status::Ok();
    }

  private:
    static std::string key(const QString& control, const char* what) { return control.toStdString() + what; }

    Status columns(QWidget* w, const QString& name) const {
        QAbstractItemView* view = nullptr;
        int count = 0;
        // A hidden header still has its columns; each needs its title.
        if (auto* tree = qobject_cast<QTreeView*>(w)) {
            view = tree;
            count = tree->header()->count();
        } else if (auto* table = qobject_cast<QTableView*>(w)) {
            view = table;
            count = table->horizontalHeader()->count();
        }
        if (!view || !view->model())
            return Status::Ok();
        const auto value = entry(name, ".Columns.Captions");
        if (!value)
            return Status::Ok();
        const QStringList parts = value->split(',');
        if (parts.size() < count)
            return fault(name, ".Columns.Captions",
                         QString("%1 column titles for %2 columns").arg(parts.size()).arg(count));
        for (int i = 0; i < count; ++i)
            view->model()->setHeaderData(i, Qt::Horizontal, parts[i]);
        return Status::Ok();
    }

    void caption(QWidget* w, const QString& name) const {
        const auto value = entry(name, ".Caption");
        if (!value)
            return;
        if (auto* page = tabPage(w)) {
            page->setTabText(page->indexOf(w), *value);
        } else if (auto* label = qobject_cast<QLabel*>(w)) {
            label->setText(*value);
        } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            button->setText(*value);
        } else if (auto* radio = qobject_cast<TRadioGroup*>(w)) {
            radio->setTitle(*value);
        } else if (auto* box = qobject_cast<QGroupBox*>(w)) {
            box->setTitle(' ' + *value + ' ');
        } else if (w->property("caption").isValid()) {
            w->setProperty("caption", *value);
        }
    }

    // The tab widget showing w as one of its pages, if any.
    static QTabWidget* tabPage(QWidget* w) {
        auto* stack = qobject_cast<QStackedWidget*>(w->parentWidget());
        auto* tabs = stack ? qobject_cast<QTabWidget*>(stack->parentWidget()) : nullptr;
        return tabs && tabs->indexOf(w) >= 0 ? tabs : nullptr;
    }

    Status items(QWidget* w, const QString& name) const {
        int count = -1;
        if (auto* combo = qobject_cast<QComboBox*>(w))
            count = combo->count();
        else if (auto* list = qobject_cast<QListWidget*>(w))
            count = list->count();
        else if (auto* radio = qobject_cast<TRadioGroup*>(w))
            count = radio->count();
        if (count < 0)
            return Status::Ok();
        const auto value = entry(name, ".Items");
        if (!value)
            return Status::Ok();
        const QStringList parts = value->split(',');
        if (parts.size() < count)
            return fault(name, ".Items", QString("%1 items for a list of %2").arg(parts.size()).arg(count));

        if (auto* combo = qobject_cast<QComboBox*>(w)) {
            const int selected = combo->currentIndex();
            for (int i = 0; i < count; ++i)
                combo->setItemText(i, parts[i]);
            combo->setCurrentIndex(selected);
        } else if (auto* list = qobject_cast<QListWidget*>(w)) {
            for (int i = 0; i < count; ++i)
                list->item(i)->setText(parts[i]);
        } else if (auto* radio = qobject_cast<TRadioGroup*>(w)) {
            for (int i = 0; i < count; ++i)
                radio->setItemText(i, parts[i]);
        }
        return Status::Ok();
    }

    static void setLines(QWidget* w, const QString& text) {
        if (auto* plain = qobject_cast<QPlainTextEdit*>(w))
            plain->setPlainText(text);
        else if (auto* rich = qobject_cast<QTextEdit*>(w))
            rich->setPlainText(text);
    }

    const ITextSource& script_;
    std::string section_;
};

// Qt's own helper widgets inside composite controls are named "qt_...";
// they are part of their control, not controls of the window.
bool IsWindowControl(const QObject* o) {
    return o->isWidgetType() && !o->objectName().isEmpty() && !o->objectName().startsWith("qt_");
}

// The children in the order the window was built. Qt keeps children in
// creation order except that raising a widget moves it to the end, and a
// stack raises whichever page it shows; so pages of a stack (the pages of a
// tab control) go in their page order.
QObjectList DesignOrder(const QObject* parent) {
    const auto* stack = qobject_cast<const QStackedWidget*>(parent);
    if (!stack)
        return parent->children();
    QObjectList ordered;
    for (int i = 0; i < stack->count(); ++i)
        ordered << stack->widget(i);
    for (QObject* child : parent->children())
        if (!ordered.contains(child))
            ordered << child;
    return ordered;
}

// Depth-first, each control before the controls it holds.
Status TranslateChildren(const QObject* parent, const Translator& translator) {
    for (QObject* child : DesignOrder(parent)) {
        if (IsWindowControl(child)) {
            if (Status s = translator.translate(static_cast<QWidget*>(child)); !s)
                return s;
        }
        if (Status s = TranslateChildren(child, translator); !s)
            return s;
    }
    return Status::Ok();
}

} // namespace

Status TranslateForm(QWidget* form, const ITextSource& script,
                     const std::function<void(const QString&)>& showError) {
    if (!form)
        return Status::Ok();
    const QVariant named = form->property(kTranslationSectionProperty);
    const std::string section = (named.isValid() ? named.toString() : form->objectName()).toStdString();
    if (const auto title = script.Lookup(section, "Caption"))
        form->setWindowTitle(QString::fromStdString(*title));

    const Translator translator(script, section);
    Status status = TranslateChildren(form, translator);
    if (!status && showError)
        showError(QString::fromUtf8(kTranslationErrorText));
    return status;
}

Status TranslateForm(QWidget* form, const ITextSource& script) {
    return TranslateForm(form, script, [form](const QString& text) {
        QMessageBox box(QMessageBox::NoIcon, QApplication::applicationName(), text, QMessageBox::Ok, form);
        box.exec();
    });
}

} // namespace veltrane
