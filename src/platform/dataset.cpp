#include "dataset.h"

#include "apperror.h"

#include <QDate>

namespace {

QString quoted(const QString &identifier)
{
    QString q = identifier;
    q.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + q + QLatin1Char('"');
}

// A statement wrapped as a sub-select must not end in ';'.
QString bareStatement(const QString &sql)
{
    QString s = sql.trimmed();
    while (s.endsWith(QLatin1Char(';')))
        s = s.chopped(1).trimmed();
    return s;
}

} // namespace

Dataset::Dataset(SqliteConnection *connection, QString table, QString keyField, QObject *parent)
    : QObject(parent)
    , m_connection(connection)
    , m_table(std::move(table))
    , m_keyField(std::move(keyField))
{
}

void Dataset::setSql(const QString &sql, const QVariantList &params)
{
    m_sql = sql;
    m_params = params;
}

void Dataset::open()
{
    if (isActive())
        return;
    requery();
}

void Dataset::close()
{
    if (!isActive())
        return;
    Q_EMIT aboutToReload();
    m_rows.clear();
    m_saved.clear();
    m_current = -1;
    m_eof = true;
    m_followedKey = QVariant();
    setState(DatasetState::Inactive);
    Q_EMIT reloaded();
    Q_EMIT scrolled(m_current);
}

void Dataset::requery()
{
    QString sql = m_sql;
    QVariantList params = m_params;
    if (m_master) {
        m_followedKey = masterValue();
        sql = QStringLiteral("select * from (%1) where %2 = ?")
                  .arg(bareStatement(m_sql), quoted(m_detailField));
        params.append(m_followedKey);
    }
    // Fetch first: when the engine refuses the statement the set stays closed.
    QueryResult result;
    try {
        result = m_connection->query(sql, params, LongText::Deferred);
    } catch (...) {
        if (isActive())
            close();
        throw;
    }

    Q_EMIT aboutToReload();
    m_columns = result.columns;
    m_types = result.declaredTypes;
    m_rows = std::move(result.rows);
    // Only DATE columns need converting; find them once, not once per cell.
    QList<int> dateColumns;
    for (int c = 0; c < m_types.size(); ++c)
        if (m_types[c].startsWith(QLatin1String("DATE")))
            dateColumns.append(c);
    for (int c : dateColumns)
        for (auto &row : m_rows)
            row[c] = dateFromStorage(row[c]);
    m_saved.clear();
    m_current = m_rows.isEmpty() ? -1 : 0;
    m_eof = m_rows.isEmpty();
    setState(DatasetState::Browse);
    Q_EMIT reloaded();
    Q_EMIT scrolled(m_current);
}

QVariant Dataset::dateFromStorage(const QVariant &value)
{
    if (value.typeId() != QMetaType::QString)
        return value;
    const QDate d = QDate::fromString(value.toString().left(10), Qt::ISODate);
    return d.isValid() ? QVariant(d) : value;
}

void Dataset::setState(DatasetState state)
{
    if (m_state == state)
        return;
    m_state = state;
    Q_EMIT stateChanged(state);
}

void Dataset::setCurrent(int row)
{
    if (row == m_current)
        return;
    m_current = row;
    Q_EMIT scrolled(m_current);
}

void Dataset::moveTo(int row)
{
    if (!isActive() || m_rows.isEmpty())
        return;
    row = std::clamp(row, 0, int(m_rows.size()) - 1);
    if (row != m_current && (m_state == DatasetState::Edit || m_state == DatasetState::Insert))
        post(); // leaving a record stores it, as desktop database forms do
    m_eof = false;
    setCurrent(row);
}

void Dataset::first()
{
    moveTo(0);
    m_eof = m_rows.isEmpty();
}

void Dataset::next()
{
    if (m_current + 1 < m_rows.size())
        moveTo(m_current + 1);
    else
        m_eof = true;
}

void Dataset::last() { moveTo(int(m_rows.size()) - 1); }

bool Dataset::locate(const QString &field, const QVariant &value)
{
    const int c = fieldIndex(field);
    if (c < 0)
        return false;
    for (int r = 0; r < m_rows.size(); ++r) {
        if (valueAt(r, c) == value) {
            moveTo(r);
            return true;
        }
    }
    return false;
}

int Dataset::fieldIndex(const QString &name) const
{
    for (int c = 0; c < m_columns.size(); ++c)
        if (m_columns[c].compare(name, Qt::CaseInsensitive) == 0)
            return c;
    return -1;
}

QVariant Dataset::value(const QString &field) const
{
    return m_current < 0 ? QVariant() : valueAt(m_current, field);
}

QVariant Dataset::valueAt(int row, int column) const
{
    if (row < 0 || row >= m_rows.size())
        return {};
    const QVariant &v = m_rows[row].value(column);
    if (v.metaType() == QMetaType::fromType<Utf8Text>())
        return QString::fromUtf8(v.value<Utf8Text>().bytes);
    return v;
}

QVariant Dataset::valueAt(int row, const QString &field) const
{
    return valueAt(row, fieldIndex(field));
}

void Dataset::setValue(const QString &field, const QVariant &value)
{
    if (m_state != DatasetState::Edit && m_state != DatasetState::Insert)
        throw AppError(QStringLiteral("Набор данных «%1» не находится в режиме редактирования")
                           .arg(objectName()));
    const int c = fieldIndex(field);
    if (c < 0)
        throw AppError(QStringLiteral("Поле «%1» не найдено").arg(field));
    m_rows[m_current][c] = value;
    Q_EMIT rowChanged(m_current);
}

void Dataset::insert()
{
    if (!isActive())
        throw AppError(QStringLiteral("Набор данных «%1» закрыт").arg(objectName()));
    if (m_state == DatasetState::Edit || m_state == DatasetState::Insert)
        post();
    const int at = int(m_rows.size());
    Q_EMIT aboutToAddRow(at);
    m_rows.append(QList<QVariant>(m_columns.size()));
    Q_EMIT rowAdded(at);
    m_saved.clear();
    setState(DatasetState::Insert);
    m_eof = false;
    setCurrent(at);
    if (afterInsert)
        afterInsert(*this);
}

void Dataset::edit()
{
    if (m_state == DatasetState::Edit || m_state == DatasetState::Insert)
        return;
    if (m_current < 0)
        throw AppError(QStringLiteral("Нет записи для редактирования"));
    m_saved = m_rows[m_current];
    setState(DatasetState::Edit);
}

QVariant Dataset::toStorage(const QVariant &value)
{
    if (value.metaType() == QMetaType::fromType<Utf8Text>())
        return QString::fromUtf8(value.value<Utf8Text>().bytes);
    return value;
}

void Dataset::post()
{
    if (m_state != DatasetState::Edit && m_state != DatasetState::Insert)
        return;
    const QList<QVariant> &row = m_rows[m_current];
    const int key = fieldIndex(m_keyField);

    if (m_state == DatasetState::Insert) {
        QStringList names;
        QStringList marks;
        QVariantList values;
        for (int c = 0; c < m_columns.size(); ++c) {
            if (row[c].isNull())
                continue;
            names.append(quoted(m_columns[c]));
            marks.append(QStringLiteral("?"));
            values.append(toStorage(row[c]));
        }
        const QString sql = names.isEmpty()
                                ? QStringLiteral("insert into %1 default values").arg(quoted(m_table))
                                : QStringLiteral("insert into %1 (%2) values (%3)")
                                      .arg(quoted(m_table), names.join(QLatin1Char(',')),
                                           marks.join(QLatin1Char(',')));
        m_connection->exec(sql, values);
    } else {
        QStringList sets;
        QVariantList values;
        for (int c = 0; c < m_columns.size(); ++c) {
            if (row[c] == m_saved.value(c) && row[c].isNull() == m_saved.value(c).isNull())
                continue;
            sets.append(quoted(m_columns[c]) + QStringLiteral(" = ?"));
            values.append(toStorage(row[c]));
        }
        if (!sets.isEmpty()) {
            if (key < 0)
                throw AppError(QStringLiteral("В наборе данных «%1» нет ключевого поля %2")
                                   .arg(objectName(), m_keyField));
            values.append(m_saved.value(key));
            m_connection->exec(QStringLiteral("update %1 set %2 where %3 = ?")
                                   .arg(quoted(m_table), sets.join(QStringLiteral(", ")),
                                        quoted(m_keyField)),
                               values);
        }
    }
    m_saved.clear();
    setState(DatasetState::Browse);
    const int at = m_current;
    Q_EMIT rowChanged(at);
    if (afterPost)
        afterPost(*this);
}

void Dataset::cancel()
{
    if (m_state == DatasetState::Edit) {
        m_rows[m_current] = m_saved;
        m_saved.clear();
        setState(DatasetState::Browse);
        Q_EMIT rowChanged(m_current);
    } else if (m_state == DatasetState::Insert) {
        const int at = m_current;
        Q_EMIT aboutToRemoveRow(at);
        m_rows.removeAt(at);
        Q_EMIT rowRemoved(at);
        setState(DatasetState::Browse);
        m_current = -2; // force the notification below
        setCurrent(m_rows.isEmpty() ? -1 : std::min(at, int(m_rows.size()) - 1));
        m_eof = m_rows.isEmpty();
    }
}

void Dataset::remove()
{
    if (m_state == DatasetState::Insert) {
        cancel();
        return;
    }
    if (m_state == DatasetState::Edit)
        cancel();
    if (m_current < 0)
        return;
    const int key = fieldIndex(m_keyField);
    if (key < 0)
        throw AppError(QStringLiteral("В наборе данных «%1» нет ключевого поля %2")
                           .arg(objectName(), m_keyField));
    m_connection->exec(QStringLiteral("delete from %1 where %2 = ?")
                           .arg(quoted(m_table), quoted(m_keyField)),
                       {m_rows[m_current].value(key)});
    const int at = m_current;
    Q_EMIT aboutToRemoveRow(at);
    m_rows.removeAt(at);
    Q_EMIT rowRemoved(at);
    m_current = -2;
    setCurrent(m_rows.isEmpty() ? -1 : std::min(at, int(m_rows.size()) - 1));
    m_eof = m_rows.isEmpty();
}

QVariant Dataset::masterValue() const
{
    if (!m_master || !m_master->isActive())
        return QVariant();
    return m_master->value(m_masterField);
}

void Dataset::setMaster(Dataset *master, const QString &masterField, const QString &detailField)
{
    disconnect(m_masterScroll);
    disconnect(m_masterReload);
    disconnect(m_masterChange);
    m_master = master;
    m_masterField = masterField;
    m_detailField = detailField;
    m_followedKey = QVariant();
    if (master) {
        m_masterScroll = connect(master, &Dataset::scrolled, this, [this] { followMaster(); });
        m_masterChange = connect(master, &Dataset::rowChanged, this, [this] { followMaster(); });
        m_masterReload = connect(master, &Dataset::reloaded, this, [this] {
            if (isActive())
                requery();
        });
    }
    if (isActive())
        requery();
}

void Dataset::followMaster()
{
    if (!isActive())
        return;
    const QVariant key = masterValue();
    if (key == m_followedKey && key.isNull() == m_followedKey.isNull())
        return;
    // A pending change of the detail is stored before its rows are replaced.
    if (m_state == DatasetState::Edit || m_state == DatasetState::Insert)
        post();
    requery();
}
