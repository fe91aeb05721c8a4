#pragma once

#include <QIdentityProxyModel>

namespace reslib {

// The file and folder pickers' columns as a Japanese user reads them. Qt writes sizes and dates
// in the system's locale, and a folder's kind as "Folder", whatever its translations; here they
// follow the program's locale.
class JapaneseFileColumns final : public QIdentityProxyModel
{
    Q_OBJECT

public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex &index, int role) const override;
};

} // namespace reslib
