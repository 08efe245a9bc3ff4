#include "AccessibilityGuard.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QDBusVirtualObject>
#include <QPointer>
#include <QStringList>
#include <QVariantMap>
#include <QXmlStreamReader>

namespace {

// The name Qt's bridge gives its connection to the accessibility bus, and the
// path under which it serves every accessible object.
const QString kBridgeConnection = QStringLiteral("a11y");
const QString kAccessibleTree = QStringLiteral("/org/a11y/atspi/accessible");
const QString kProperties = QStringLiteral("org.freedesktop.DBus.Properties");

// The properties of `interfaceName` that an introspection lists.
QStringList PropertyNames(const QString& introspection, const QString& interfaceName) {
    QStringList names;
    QXmlStreamReader xml(QStringLiteral("<node>") + introspection + QStringLiteral("</node>"));
    bool inside = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QLatin1String("interface"))
            inside = xml.attributes().value(QLatin1String("name")) == interfaceName;
        else if (xml.isEndElement() && xml.name() == QLatin1String("interface"))
            inside = false;
        else if (inside && xml.isStartElement() && xml.name() == QLatin1String("property"))
            names << xml.attributes().value(QLatin1String("name")).toString();
    }
    return names;
}

// Stands in front of the bridge at its path.
class GetAllGuard final : public QDBusVirtualObject {
public:
    GetAllGuard(QDBusVirtualObject* bridge, QObject* parent) : QDBusVirtualObject(parent), bridge_(bridge) {}

    QString introspect(const QString& path) const override { return bridge_ ? bridge_->introspect(path) : QString(); }

    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override {
        if (!bridge_) return false;
        if (message.interface() == kProperties && message.member() == QLatin1String("GetAll"))
            return AnswerGetAll(message, connection);
        return bridge_->handleMessage(message, connection);
    }

private:
    // Every property the object's interface has, each asked of the bridge with
    // Get through the connection's own loop (a call to itself is delivered at
    // once, without the bus); a property the bridge does not answer is left out.
    bool AnswerGetAll(const QDBusMessage& message, const QDBusConnection& connection) const {
        const QList<QVariant> arguments = message.arguments();
        if (arguments.size() != 1 || arguments.constFirst().typeId() != QMetaType::QString) {
            connection.send(
                message.createErrorReply(QDBusError::InvalidArgs, QStringLiteral("GetAll takes an interface name")));
            return true;
        }
        const QString interfaceName = arguments.constFirst().toString();
        QVariantMap values;
        for (const QString& name : PropertyNames(bridge_->introspect(message.path()), interfaceName)) {
            QDBusMessage get = QDBusMessage::createMethodCall(connection.baseService(), message.path(), kProperties,
                                                              QStringLiteral("Get"));
            get << interfaceName << name;
            const QDBusMessage reply = connection.call(get);
            if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) continue;
            values.insert(name, reply.arguments().constFirst().value<QDBusVariant>().variant());
        }
        connection.send(message.createReply(QVariant::fromValue(values)));
        return true;
    }

    QPointer<QDBusVirtualObject> bridge_;
};

// Puts the guard in front of the bridge once the bridge has registered its
// tree: the bridge reports itself active just before it registers, so the
// guard follows on the next turn of the event loop, before any message of an
// assistive client can be handled.
class GuardInstaller final : public QObject, public QAccessible::ActivationObserver {
public:
    explicit GuardInstaller(QObject* parent) : QObject(parent) { QAccessible::installActivationObserver(this); }
    ~GuardInstaller() override { QAccessible::removeActivationObserver(this); }

    void accessibilityActiveChanged(bool active) override {
        if (active) QMetaObject::invokeMethod(this, &GuardInstaller::Install, Qt::QueuedConnection);
    }

    void Install() {
        QDBusConnection bus(kBridgeConnection);
        if (!bus.isConnected()) return;
        auto* registered = qobject_cast<QDBusVirtualObject*>(bus.objectRegisteredAt(kAccessibleTree));
        if (registered == nullptr || registered == guard_) return;
        bus.unregisterObject(kAccessibleTree);
        delete guard_;
        guard_ = new GetAllGuard(registered, this);
        if (!bus.registerVirtualObject(kAccessibleTree, guard_, QDBusConnection::SubPath)) {
            // Never leave the tree without the bridge.
            bus.registerVirtualObject(kAccessibleTree, registered, QDBusConnection::SubPath);
        }
    }

private:
    QPointer<GetAllGuard> guard_;
};

}  // namespace

void GuardAccessibilityBridge() {
    auto* installer = new GuardInstaller(QCoreApplication::instance());
    if (QAccessible::isActive()) installer->accessibilityActiveChanged(true);
}
