#pragma once

#include "settings/IniFields.h"

#include <QJsonObject>
#include <QJsonValue>
#include <QString>

namespace settings {

// Collects settings fields into a JSON object keyed by the record and field names:
//   { "FolderInfo": { "FareDataDir": "..." , ... }, ..., "CustomColors": [ ... ],
//     "CellCount": 30, "DegitCells": [ { "Shift": 0, ... }, ... ] }
// Colours are written as "0x00BBGGRR" so they read like colour references.
class IniJsonDump
{
public:
    void begin(IniField record);
    void end();
    void int16(IniField field, int16_t value) { put(field, value); }
    void int32(IniField field, int32_t value) { put(field, value); }
    void colour32(IniField field, OleColor value);
    void text(IniField field, const QString &value) { put(field, value); }

    const QJsonObject &root() const { return m_root; }

private:
    static void putInto(QJsonObject &object, IniField field, const QJsonValue &value);
    void put(IniField field, const QJsonValue &value);

    QJsonObject m_root;
    QJsonObject m_record;
    IniField m_recordName{nullptr};
};

} // namespace settings
