#include "controls/styled/sty_design.h"

#include "controls/styled/sty_errors.h"

#include <QBuffer>
#include <QMetaEnum>
#include <QMetaProperty>
#include <QObject>

void TStyFiler::DefineProperty(const QString &name, std::function<void(const QVariant &)> reader,
                               std::function<QVariant()> writer, bool hasData)
{
    properties_.push_back({name, std::move(reader), std::move(writer), hasData});
}

void TStyFiler::DefineBinaryProperty(const QString &name, std::function<void(QIODevice &)> reader,
                                     std::function<void(QIODevice &)> writer, bool hasData)
{
    DefineProperty(
        name,
        [reader = std::move(reader)](const QVariant &value) {
            QByteArray bytes = value.toByteArray();
            QBuffer buffer(&bytes);
            buffer.open(QIODevice::ReadOnly);
            reader(buffer);
        },
        [writer = std::move(writer)] {
            QByteArray bytes;
            QBuffer buffer(&bytes);
            buffer.open(QIODevice::WriteOnly);
            writer(buffer);
            return QVariant(bytes);
        },
        hasData);
}

const TStyFilerProperty *TStyFiler::Find(const QString &name) const
{
    for (const TStyFilerProperty &property : properties_)
        if (property.name.compare(name, Qt::CaseInsensitive) == 0)
            return &property;
    return nullptr;
}

void TStyPersistent::DefineProperties(TStyFiler &) {}

bool TStyDesign::Has(const QString &name) const
{
    for (const auto &[key, value] : values)
        if (key == name)
            return true;
    return false;
}

QVariant TStyDesign::Value(const QString &name) const
{
    for (const auto &[key, value] : values)
        if (key == name)
            return value;
    return {};
}

namespace tav::styled {
namespace {

bool HoldsObject(const QMetaProperty &property)
{
    return property.metaType().flags().testFlag(QMetaType::PointerToQObject);
}

QObject *SubObject(const QObject &owner, const QString &name)
{
    const QMetaObject *meta = owner.metaObject();
    const int index = meta->indexOfProperty(name.toLatin1().constData());
    if (index < 0 || !HoldsObject(meta->property(index)))
        return nullptr;
    return qvariant_cast<QObject *>(meta->property(index).read(&owner));
}

void SetValue(QObject &target, const QString &name, const QVariant &value, const QString &fullName)
{
    const QMetaObject *meta = target.metaObject();
    const int index = meta->indexOfProperty(name.toLatin1().constData());
    if (index >= 0) {
        QMetaProperty property = meta->property(index);
        QVariant converted = value;
        if (property.isEnumType() && value.typeId() == QMetaType::QString) {
            bool known = false;
            const int number =
                property.enumerator().keysToValue(value.toString().toLatin1().constData(), &known);
            if (!known)
                throw EStyDesignError(
                    QStringLiteral("Invalid property value %1 for %2").arg(value.toString(), fullName));
            converted = number;
        }
        if (!property.isWritable() || !property.write(&target, converted))
            throw EStyDesignError(QStringLiteral("Invalid property value for %1").arg(fullName));
        return;
    }
    if (auto *persistent = dynamic_cast<TStyPersistent *>(&target)) {
        TStyFiler filer;
        persistent->DefineProperties(filer);
        if (const TStyFilerProperty *property = filer.Find(name)) {
            property->read(value);
            return;
        }
    }
    throw EStyDesignError(QStringLiteral("Property %1 does not exist").arg(fullName));
}

QVariant StoredValue(const QMetaProperty &property, const QObject &owner)
{
    const QVariant value = property.read(&owner);
    if (!property.isEnumType())
        return value;
    const QMetaEnum enumeration = property.enumerator();
    const int number = value.toInt();
    return QString::fromLatin1(enumeration.isFlag() ? enumeration.valueToKeys(number)
                                                    : QByteArray(enumeration.valueToKey(number)));
}

void WriteObject(const QObject &object, const QString &prefix, TStyDesign &design)
{
    const QMetaObject *meta = object.metaObject();
    for (int index = QObject::staticMetaObject.propertyCount(); index < meta->propertyCount(); ++index) {
        const QMetaProperty property = meta->property(index);
        if (!property.isStored())
            continue;
        const QString name = prefix + QString::fromLatin1(property.name());
        if (HoldsObject(property)) {
            if (QObject *child = qvariant_cast<QObject *>(property.read(&object)))
                WriteObject(*child, name + QLatin1Char('.'), design);
            continue;
        }
        design.values.emplace_back(name, StoredValue(property, object));
    }
    if (auto *persistent = dynamic_cast<const TStyPersistent *>(&object)) {
        TStyFiler filer;
        const_cast<TStyPersistent *>(persistent)->DefineProperties(filer);
        for (const TStyFilerProperty &property : filer.Properties())
            if (property.hasData && property.write)
                design.values.emplace_back(prefix + property.name, property.write());
    }
}

} // namespace

void ReadDesign(QObject &component, const TStyDesign &design)
{
    auto *loadable = dynamic_cast<TStyLoadable *>(&component);
    if (loadable)
        loadable->BeginLoading();
    try {
        for (const auto &[fullName, value] : design.values) {
            const QStringList path = fullName.split(QLatin1Char('.'));
            QObject *target = &component;
            for (qsizetype step = 0; step + 1 < path.size(); ++step) {
                target = SubObject(*target, path[step]);
                if (!target)
                    throw EStyDesignError(QStringLiteral("Property %1 does not exist").arg(fullName));
            }
            SetValue(*target, path.back(), value, fullName);
        }
    } catch (...) {
        if (loadable)
            loadable->Loaded();
        throw;
    }
    if (loadable)
        loadable->Loaded();
}

TStyDesign WriteDesign(const QObject &component)
{
    TStyDesign design;
    WriteObject(component, QString(), design);
    return design;
}

} // namespace tav::styled
