// Pages served for real: a page compiled by velp is served by PHP's built-in
// web server on a free loopback port and fetched over HTTP, and the page that
// comes back is the page text with each code block replaced by its output.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/time.h>

#include <chrono>
#include <thread>

#include "velp_run.h"

namespace {

using Clock = std::chrono::steady_clock;

// A port of the loopback address that nothing listened on when asked.
int freePort() {
    int s = socket(AF_INET, SOCK_STREAM, 0);
    if (s < 0)
        return 0;
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    int port = 0;
    if (bind(s, reinterpret_cast<sockaddr*>(&address), size) == 0 &&
        getsockname(s, reinterpret_cast<sockaddr*>(&address), &size) == 0)
        port = ntohs(address.sin_port);
    close(s);
    return port;
}

std::string fileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// `php -S` on 127.0.0.1 serving one folder; stopped when it goes out of scope.
class PhpServer {
public:
    ~PhpServer() { stop(); }

    // Starts the server on a free port and waits until it listens. Another
    // process may take the port between the asking and the listening, so a
    // server that gives up is started again on another one.
    bool start(const std::string& root, const std::string& log) {
        for (int attempt = 0; attempt < 5; ++attempt) {
            port_ = freePort();
            if (port_ == 0)
                return false;
            if (launch(root, log))
                return true;
        }
        return false;
    }

    int port() const { return port_; }

    void stop() {
        if (pid_ <= 0)
            return;
        kill(pid_, SIGTERM);
        if (!exited(std::chrono::seconds(5))) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
        pid_ = -1;
    }

private:
    bool launch(const std::string& root, const std::string& log) {
        std::string address = "127.0.0.1:" + std::to_string(port_);
        pid_ = fork();
        if (pid_ < 0)
            return false;
        if (pid_ == 0) {
            int out = open(log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            int in = open("/dev/null", O_RDONLY);
            dup2(out, 1);
            dup2(out, 2);
            dup2(in, 0);
            execlp("php", "php", "-S", address.c_str(), "-t", root.c_str(), (char*)nullptr);
            _exit(127);
        }
        // The server says so once it listens (PHP 7.3 and older in the
        // second form).
        const std::string ready = "(http://" + address + ") started";
        const std::string listening = "Listening on http://" + address + "\n";
        const Clock::time_point deadline = Clock::now() + std::chrono::seconds(10);
        while (Clock::now() < deadline) {
            std::string said = fileText(log);
            if (said.find(ready) != std::string::npos || said.find(listening) != std::string::npos)
                return true;
            if (exited(std::chrono::milliseconds(20))) {
                pid_ = -1;
                return false;
            }
        }
        stop();
        return false;
    }

    // Whether the server ended within the time (and is then reaped).
    bool exited(Clock::duration time) {
        const Clock::time_point deadline = Clock::now() + time;
        do {
            if (waitpid(pid_, nullptr, WNOHANG) == pid_)
                return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        } while (Clock::now() < deadline);
        return false;
    }

    pid_t pid_ = -1;
    int port_ = 0;
};

struct Response {
    std::string error;  // empty when a whole response came back
    std::string status;
    std::string headers;
    std::string body;
};

// A plain HTTP/1.0 GET: the server closes the connection after the page.
Response httpGet(int port, const std::string& path) {
    Response response;
    int s = socket(AF_INET, SOCK_STREAM, 0);
    if (s < 0) {
        response.error = "no socket";
        return response;
    }
    timeval limit{10, 0};
    setsockopt(s, SOL_SOCKET, SO_RCVTIMEO, &limit, sizeof limit);
    setsockopt(s, SOL_SOCKET, SO_SNDTIMEO, &limit, sizeof limit);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(port);
    std::string request = "GET " + path + " HTTP/1.0\r\nHost: 127.0.0.1:" +
                          std::to_string(port) + "\r\n\r\n";
    std::string reply;
    if (connect(s, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        response.error = "cannot connect";
    } else if (send(s, request.data(), request.size(), MSG_NOSIGNAL) !=
               static_cast<ssize_t>(request.size())) {
        response.error = "cannot send";
    } else {
        const Clock::time_point deadline = Clock::now() + std::chrono::seconds(10);
        char buffer[4096];
        ssize_t n;
        while ((n = recv(s, buffer, sizeof buffer, 0)) > 0 && Clock::now() < deadline)
            reply.append(buffer, n);
        if (n != 0)
            response.error = "no end of the response";
    }
    close(s);
    size_t end = reply.find("\r\n\r\n");
    if (response.error.empty() && end == std::string::npos)
        response.error = "no header end in: " + reply;
    if (!response.error.empty())
        return response;
    size_t line = reply.find("\r\n");
    response.status = reply.substr(0, line);
    response.headers = reply.substr(line + 2, end + 2 - (line + 2));
    response.body = reply.substr(end + 4);
    return response;
}

class ServedPageTest : public VelpTest {
protected:
    // Compiles NAME.vel as a page and fetches NAME.php from a server on the
    // test's folder.
    Response compileAndFetch(const std::string& name) {
        VelpResult r = velp({"-wq", name});
        EXPECT_EQ(r.code, 0);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, "");
        if (!server_.start(dir_, at(".server.log"))) {
            ADD_FAILURE() << "php -S did not start: " << fileText(at(".server.log"));
            return Response{"no server", "", "", ""};
        }
        Response response = httpGet(server_.port(), "/" + name + ".php");
        server_.stop();
        EXPECT_EQ(response.error, "");
        EXPECT_EQ(response.status.substr(0, 5), "HTTP/");
        EXPECT_NE(response.status.find(" 200 "), std::string::npos) << response.status;
        EXPECT_NE(response.headers.find("Content-type: text/html"), std::string::npos)
            << response.headers;
        return response;
    }

    PhpServer server_;
};

// The page of examples/, compiled and served as the README shows.
TEST_F(ServedPageTest, ExamplePage) {
    write("page.vel", fileText(VELP_SOURCE_DIR "/examples/page.vel"));
    EXPECT_EQ(compileAndFetch("page").body,
              "<!DOCTYPE html>\n"
              "<html>\n"
              "<head><title>A velp page</title></head>\n"
              "<body>\n"
              "<h1>Hello, web!</h1>\n"
              "<p>Six times seven is 42.</p>\n"
              "<p>Served by PHP for the web.</p>\n"
              "</body>\n"
              "</html>\n");
}

// Each text line loses its trailing blanks and control characters (a CRLF
// page comes back with LF) and is otherwise sent unchanged, its bytes above
// 127 and its "{|" and "|}" included; code blocks, several on a line or in a
// script element, give their output in their place, and PHP drops the line
// end right after a block's closing tag.
TEST_F(ServedPageTest, TextPassesThroughByteForByte) {
    write("edge.vel",
          "<pre>  \r\n"
          "caf\xc3\xa9 {| a |} \t\r\n"
          "\r\n"
          "<?vel int a = 1 ?>[<?vel echo a + 1 ?>]<?vel echo \"x\" ?>\r\n"
          "<script language='velandro'>echo \"s\"</script> tail  \r\n"
          "</pre>\r\n");
    EXPECT_EQ(compileAndFetch("edge").body,
              "<pre>\n"
              "caf\xc3\xa9 {| a |}\n"
              "\n"
              "[2]xs tail\n"
              "</pre>\n");
}

}  // namespace
