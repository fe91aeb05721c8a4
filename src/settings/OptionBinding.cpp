#include "settings/OptionBinding.h"

#include "settings/ColorButton.h"
#include "settings/ControlValues.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace settings {

OptionBinding::OptionBinding(Options &options, QObject *parent) : QObject(parent), m_options(options)
{
    connect(&m_options, &Options::changed, this, &OptionBinding::load);
}

void OptionBinding::load()
{
    if (m_syncing)
        return;
    m_syncing = true;
    // Each control is set only when it shows something else, so that a text keeps its cursor
    // and no handler runs for a value the control already has.
    for (const auto &showField : m_loaders)
        showField();
    m_syncing = false;
}

template<class T>
void OptionBinding::store(const Writer<T> &write, const T &value)
{
    if (m_syncing)
        return;
    m_syncing = true;
    m_options.change([&](OptionRecords &r) { write(r, value); });
    m_syncing = false;
}

void OptionBinding::bindText(QLineEdit *edit, Reader<QString> read, Writer<QString> write)
{
    m_loaders.push_back([this, edit, read] {
        if (const QString value = read(m_options.records()); edit->text() != value)
            edit->setText(value);
    });
    connect(edit, &QLineEdit::textChanged, this, [this, write](const QString &value) { store(write, value); });
    connect(edit, &QLineEdit::editingFinished, this, [this, edit] {
        if (m_pathNotice)
            m_pathNotice(edit->text());
    });
}

void OptionBinding::bindCheck(QCheckBox *box, Reader<int16_t> read, Writer<int16_t> write)
{
    m_loaders.push_back([this, box, read] {
        if (const int16_t value = read(m_options.records()); checkValue(box) != value)
            setCheckValue(box, value);
    });
    connect(box, &QCheckBox::stateChanged, this,
            [this, box, write] { store(write, static_cast<int16_t>(checkValue(box))); });
}

void OptionBinding::bindOption(QRadioButton *button, Reader<int16_t> read, Writer<int16_t> write)
{
    m_loaders.push_back([this, button, read] {
        const bool selected = read(m_options.records()) != 0;
        if (button->isChecked() != selected)
            setOptionValue(button, selected ? -1 : 0);
    });
    connect(button, &QRadioButton::toggled, this, [this, button, write] { store(write, optionValue(button)); });
}

void OptionBinding::bindList(QComboBox *list, Reader<int16_t> read, Writer<int16_t> write)
{
    m_loaders.push_back([this, list, read] {
        if (const int16_t index = read(m_options.records()); list->currentIndex() != index)
            list->setCurrentIndex(index);
    });
    connect(list, &QComboBox::currentIndexChanged, this,
            [this, write](int index) { store(write, static_cast<int16_t>(index)); });
}

void OptionBinding::bindColour(ColorButton *button, Reader<base::OleColor> read, Writer<base::OleColor> write)
{
    m_loaders.push_back([this, button, read] { button->setBackColor(read(m_options.records())); });
    connect(button, &ColorButton::backColorChanged, this, [this, write](base::OleColor colour) { store(write, colour); });
}

void OptionBinding::bindCaption(QLabel *label, Reader<QString> read)
{
    m_loaders.push_back([this, label, read] {
        if (const QString value = read(m_options.records()); label->text() != value)
            label->setText(value);
    });
}

} // namespace settings
