#include "ui/VersionCheck.h"

#include "FormMainFixture.h"
#include "lang/MapSource.h"

#include <QTcpServer>
#include <QTcpSocket>

namespace veltrane {
namespace {

// Answers every connection on 127.0.0.1 with one canned HTTP/1.1 response
// (none at all when empty) and keeps what the client sent.
class TinyHttpServer : public QTcpServer {
  public:
    explicit TinyHttpServer(QByteArray response) : response_(std::move(response)) {
        listen(QHostAddress::LocalHost);
        connect(this, &QTcpServer::newConnection, [this] {
            QTcpSocket* socket = nextPendingConnection();
            connect(socket, &QTcpSocket::readyRead, [this, socket] {
                request += socket->readAll();
                if (request.contains("\r\n\r\n") && !response_.isEmpty()) {
                    socket->write(response_);
                    socket->disconnectFromHost(); // ends a body of unknown length
                }
            });
        });
    }
    std::string Host() const { return "http://127.0.0.1:" + std::to_string(serverPort()); }
    QByteArray request;

  private:
    QByteArray response_;
};

QByteArray Response(const QByteArray& status, const QByteArray& body) {
    return "HTTP/1.1 " + status + "\r\nContent-Length: " + QByteArray::number(body.size()) +
           "\r\nConnection: close\r\n\r\n" + body;
}

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
    const TVersionOutcome outcome =
        CheckVersion({script, messages, server.Host() + "/", "1.41a", 300, [&](const std::string& url) {
                          opened.push_back(url);
                          return true;
                      }});

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

INSTANTIATE_TEST_SUITE_P(
    Answers, VersionCheckTest,
    ::testing::Values(VersionCase{"SameVersion", Response("200 OK", "1.41a"), true, TVersionOutcome::Latest,
                                  "You got the latest version.||i"},
                      VersionCase{"LineBreakYes", Response("200 OK", "1.50\r\n"), true,
                                  TVersionOutcome::OfferOpened, kOffer},
                      VersionCase{"LineBreakNo", Response("200 OK", "1.50\r\n"), false,
                                  TVersionOutcome::OfferDeclined, kOffer},
                      VersionCase{"NotFound", Response("404 Not Found", "1.41a"), true,
                                  TVersionOutcome::NoConnection, kNoConnection},
                      VersionCase{"ServerError", Response("500 Oops", ""), true,
                                  TVersionOutcome::NoConnection, kNoConnection},
                      VersionCase{"Silent", "", true, TVersionOutcome::NoConnection, kNoConnection},
                      // No length given: the body is counted as it comes.
                      VersionCase{"Oversized",
                                  "HTTP/1.1 200 OK\r\n\r\n" + QByteArray(kMaxVersionFileBytes + 1, '1'), true,
                                  TVersionOutcome::NoConnection, kNoConnection}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace veltrane
