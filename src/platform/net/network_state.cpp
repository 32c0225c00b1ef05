#include "platform/net/network_state.h"

#include <QNetworkInformation>

bool NetworkSaysConnected()
{
    if (!QNetworkInformation::instance() &&
        !QNetworkInformation::loadBackendByFeatures(QNetworkInformation::Feature::Reachability))
        return true;
    const QNetworkInformation *information = QNetworkInformation::instance();
    return !information || information->reachability() != QNetworkInformation::Reachability::Disconnected;
}
