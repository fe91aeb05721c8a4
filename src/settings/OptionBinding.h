#pragma once

#include "base/OleColor.h"
#include "settings/Options.h"

#include <QObject>

#include <functional>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace settings {

class ColorButton;

// Ties the options window's controls to the options model, both ways: a control shows its field
// whenever the model changes from outside the window (loading settings, start-up defaults, a
// picker's result), and a change in a control is written into its field at once, as the
// original's controls were the live store. Each control is bound once, with its field given as
//     [](auto &r) -> auto & { return r.folder.FareDataDir; }
// over OptionRecords.
class OptionBinding : public QObject
{
    Q_OBJECT

public:
    explicit OptionBinding(Options &options, QObject *parent = nullptr);

    template<class Field>
    void text(QLineEdit *edit, Field field)
    {
        bindText(edit, reader<QString>(field), writer<QString>(field));
    }
    template<class Field>
    void check(QCheckBox *box, Field field)
    {
        bindCheck(box, reader<int16_t>(field), writer<int16_t>(field));
    }
    template<class Field>
    void option(QRadioButton *button, Field field)
    {
        bindOption(button, reader<int16_t>(field), writer<int16_t>(field));
    }
    template<class Field>
    void list(QComboBox *list, Field field)
    {
        bindList(list, reader<int16_t>(field), writer<int16_t>(field));
    }
    template<class Field>
    void colour(ColorButton *button, Field field)
    {
        bindColour(button, reader<base::OleColor>(field), writer<base::OleColor>(field));
    }
    // A caption only shows its field; whoever changes the field changes the model.
    template<class Field>
    void caption(QLabel *label, Field field)
    {
        bindCaption(label, reader<QString>(field));
    }

    // Is told of every path typed into a bound text box once its editing is finished.
    void setPathNotice(std::function<void(const QString &)> notice) { m_pathNotice = std::move(notice); }

    // Every bound control shows its field.
    void load();

private:
    template<class T>
    using Reader = std::function<T(const OptionRecords &)>;
    template<class T>
    using Writer = std::function<void(OptionRecords &, const T &)>;

    template<class T, class Field>
    static Reader<T> reader(Field field)
    {
        return [field](const OptionRecords &r) { return T(field(r)); };
    }
    template<class T, class Field>
    static Writer<T> writer(Field field)
    {
        return [field](OptionRecords &r, const T &value) { field(r) = value; };
    }

    void bindText(QLineEdit *edit, Reader<QString> read, Writer<QString> write);
    void bindCheck(QCheckBox *box, Reader<int16_t> read, Writer<int16_t> write);
    void bindOption(QRadioButton *button, Reader<int16_t> read, Writer<int16_t> write);
    void bindList(QComboBox *list, Reader<int16_t> read, Writer<int16_t> write);
    void bindColour(ColorButton *button, Reader<base::OleColor> read, Writer<base::OleColor> write);
    void bindCaption(QLabel *label, Reader<QString> read);

    // Writes a control's new value into the model, unless the control is only showing the model.
    template<class T>
    void store(const Writer<T> &write, const T &value);

    Options &m_options;
    std::vector<std::function<void()>> m_loaders;
    std::function<void(const QString &)> m_pathNotice;
    // Set while controls show the model or a control writes it, so that neither echoes back.
    bool m_syncing = false;
};

} // namespace settings
