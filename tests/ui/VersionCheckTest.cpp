#include "ui/VersionCheck.h"

#include "FormMainFixture.h"
#include "lang/MapSource.h"

#include <QTcpServer>
#include <QTcpSocket>

namespace veltrane {
namespace {

// Answers every connection on 127.0.0.1 with one canned response and closes
// (says nothing when it is empty); keeps what the client sent.
struct TinyHttpServer : QTcpServer {
    explicit TinyHttpServer(const QByteArray& response) {
        listen(QHostAddress::LocalHost);
        connect(this, &QTcpServer::newConnection, [this, response] {
            QTcpSocket* socket = nextPendingConnection();
            connect(socket, &QTcpSocket::readyRead, [this, socket, response] {
                request += socket->readAll();
                if (request.contains("\r\n\r\n") && !response.isEmpty()) {
                    socket->write(response);
                    socket->disconnectFromHost(); // ends a body of unknown length
                }
            });
        });
    }
    std::string Host() const { return "http://127.0.0.1:" + std::to_string(serverPort()); }
    QByteArray request;
};

struct VersionCase {
    const char* name;
    QByteArray response;
    bool answerYes;
    TVersionOutcome outcome;
    std::string message; // what the player reads
};
void PrintTo(const VersionCase& c, std::ostream* os) {
    *os << c.name;
}

class VersionCheckTest : public ::testing::TestWithParam<VersionCase> {};

TEST_P(VersionCheckTest, ShowsTheOutcomeAndOpensTheInstallerOnlyOnYes) {
    TinyHttpServer server(GetParam().response);
    ASSERT_TRUE(server.isListening());
    testing::TMapSource script;
    test::RecordingMessages messages;
    messages.answer = GetParam().answerYes;
    std::vector<std::string> opened;
    const auto open = [&](const std::string& url) { return opened.push_back(url), true; };

    const TVersionOutcome outcome = CheckVersion({script, messages, server.Host() + "/", "1.41a", 300, open});
    EXPECT_EQ(outcome, GetParam().outcome);
    EXPECT_EQ(messages.asked, std::vector<std::string>{GetParam().message});
    using Urls = std::vector<std::string>;
    EXPECT_EQ(opened,
              outcome == TVersionOutcome::OfferOpened ? Urls{server.Host() + kInstallerPath} : Urls{});
    EXPECT_TRUE(server.request.startsWith("GET /Freeware/Games/Veltrane/version.txt HTTP/1.1\r\n"));
    EXPECT_TRUE(
        server.request.contains("\r\nUser-Agent: Mozilla/4.0 (compatible; MSIE 6.0; Windows 98)\r\n"));
}

const std::string kOffer = "A newer version is available (1.50\r\n). Do you want to download it now?||c";
const std::string kNoConnection = "Could not connect to the internet.||i";
const QByteArray kOk = "HTTP/1.1 200 OK\r\n\r\n";

INSTANTIATE_TEST_SUITE_P(
    Answers, VersionCheckTest,
    ::testing::Values(
        VersionCase{"SameVersion", kOk + "1.41a", true, TVersionOutcome::Latest,
                    "You got the latest version.||i"},
        VersionCase{"LineBreakYes", kOk + "1.50\r\n", true, TVersionOutcome::OfferOpened, kOffer},
        VersionCase{"LineBreakNo", kOk + "1.50\r\n", false, TVersionOutcome::OfferDeclined, kOffer},
        VersionCase{"NotFound", "HTTP/1.1 404 Not Found\r\n\r\n1.41a", true, TVersionOutcome::NoConnection,
                    kNoConnection},
        VersionCase{"ServerError", "HTTP/1.1 500 Oops\r\n\r\n", true, TVersionOutcome::NoConnection,
                    kNoConnection},
        VersionCase{"Silent", "", true, TVersionOutcome::NoConnection, kNoConnection},
        VersionCase{"Oversized", kOk + QByteArray(kMaxVersionFileBytes + 1, '1'), true,
                    TVersionOutcome::NoConnection, kNoConnection}),
    [](const auto& testInfo) { return std::string(testInfo.param.name); });

} // namespace
} // namespace veltrane
