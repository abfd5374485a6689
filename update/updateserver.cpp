#include "update/updateserver.h"

#include "update/buildsignature.h"

UpdateServer serverAt(const QString &host, quint16 port)
{
    UpdateServer server;
    server.host = host;
    server.port = port;
    server.user = QStringLiteral("vomkaledtr");
    server.password = QStringLiteral("T84QW7kp2");
    server.questionDir = QStringLiteral("/public_html/questions");
    server.programDir = QStringLiteral("/public_html/updates");
    server.trustedKey = BuildSignature::trustedKey();
    return server;
}

UpdateServer defaultServer()
{
    return serverAt(QStringLiteral(TARMIKA_UPDATE_HOST), static_cast<quint16>(TARMIKA_UPDATE_PORT));
}
