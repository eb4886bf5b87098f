// zahlenkenner-server --host H --port P --data DIR [--demo]
// Stand-in for the maker's download and web servers. Port 0 picks a free port; the line
// "listening on http://..." on stdout names the address it listens on (with --demo a line about
// the demo data comes first). Every request is logged on one line. SIGINT and SIGTERM stop it
// cleanly. Demo data that cannot be written end it with exit code 1.
#include <httplib.h>

#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <iostream>
#include <mutex>
#include <pthread.h>
#include <sys/socket.h>
#include <string>
#include <thread>

#include "demodaten.h"
#include "standin.h"

namespace {

constexpr size_t kArbeiter = 256;

struct Optionen {
  std::string host = "127.0.0.1";
  int port = 8055;
  std::string daten;
  bool demo = false;
};

void nutzung() {
  std::cerr << "usage: zahlenkenner-server --host H --port P --data DIR [--demo]\n";
}

bool liesOptionen(int argc, char** argv, Optionen& o) {
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    auto naechstes = [&](std::string& ziel) {
      if (i + 1 >= argc) return false;
      ziel = argv[++i];
      return true;
    };
    std::string wert;
    if (a == "--host") {
      if (!naechstes(o.host)) return false;
    } else if (a == "--port") {
      if (!naechstes(wert)) return false;
      char* ende = nullptr;
      const long p = std::strtol(wert.c_str(), &ende, 10);
      if (wert.empty() || *ende != '\0' || p < 0 || p > 65535) return false;
      o.port = static_cast<int>(p);
    } else if (a == "--data") {
      if (!naechstes(o.daten)) return false;
    } else if (a == "--demo") {
      o.demo = true;
    } else {
      return false;
    }
  }
  return !o.daten.empty();
}

std::string ortszeit() {
  const std::time_t t = std::time(nullptr);
  std::tm lokal{};
  localtime_r(&t, &lokal);
  char puffer[32];
  std::strftime(puffer, sizeof puffer, "%Y-%m-%d %H:%M:%S", &lokal);
  return puffer;
}

std::mutex logSperre;
thread_local bool geloggt = false;  // the request on this thread is logged already
void logZeile(const std::string& zeile) {
  std::lock_guard<std::mutex> halt(logSperre);
  std::cout << ortszeit() << ' ' << zeile << std::endl;
}

}  // namespace

int main(int argc, char** argv) {
  Optionen opt;
  if (!liesOptionen(argc, argv, opt)) {
    nutzung();
    return 2;
  }

  // The signals go to one waiting thread, never into the middle of a request.
  sigset_t signale;
  sigemptyset(&signale);
  sigaddset(&signale, SIGINT);
  sigaddset(&signale, SIGTERM);
  pthread_sigmask(SIG_BLOCK, &signale, nullptr);
  std::signal(SIGPIPE, SIG_IGN);

  const standin::Datenordner ordner(opt.daten);
  standin::demo::Demodaten demo(ordner);
  if (opt.demo) {
    switch (demo.bereitstellen(standin::demo::jetzt())) {
      case standin::demo::Stand::Angelegt: logZeile("demo data created in " + opt.daten); break;
      case standin::demo::Stand::Ergaenzt: logZeile("demo data in " + opt.daten + " brought up to date"); break;
      case standin::demo::Stand::Fremd: logZeile(opt.daten + " holds other data: no demo data written"); break;
      case standin::demo::Stand::Unschreibbar:
        std::cerr << "cannot write the demo data: " << demo.fehler() << "\n";
        return 1;
    }
  }

  httplib::Server server;
  // The library's default SO_REUSEPORT would let a second server share a taken port and get
  // half of its requests; SO_REUSEADDR alone still allows a quick restart on the same port.
  server.set_socket_options([](socket_t sock) {
    int ja = 1;
    setsockopt(sock, SOL_SOCKET, SO_REUSEADDR, &ja, sizeof ja);
  });
  server.set_keep_alive_max_count(100000);
  // Every connection holds a worker while it waits for a request: idle ones are closed after a
  // second, and enough workers wait that a few hundred of them cannot hold up a real request.
  server.new_task_queue = [] { return new httplib::ThreadPool(kArbeiter); };
  server.set_keep_alive_timeout(1);
  server.set_read_timeout(1, 0);
  // The answers are a few KiB: a Range header is ignored and the whole body goes out once (the
  // library would send a part, or one copy of the body per range). The request object is the
  // library's own and not const; only its parsed ranges are dropped.
  server.set_pre_routing_handler([](const httplib::Request& req, httplib::Response&) {
    const_cast<httplib::Request&>(req).ranges.clear();
    return httplib::Server::HandlerResponse::Unhandled;
  });
  // The answers are logged before they leave, so a client that has its answer finds the request
  // in the log; what no handler saw (other methods, bad requests) the server's logger takes.
  auto protokoll = [](const httplib::Request& req, int status, size_t bytes) {
    logZeile(req.remote_addr + " " + req.method + " " + req.target + " " + std::to_string(status) + " " +
             std::to_string(bytes) + " \"" + req.get_header_value("User-Agent") + "\" \"" +
             req.get_header_value("Accept") + "\"");
  };
  server.Get(R"(.*)", [&](const httplib::Request& req, httplib::Response& res) {
    if (opt.demo) demo.nachfuehren(standin::demo::jetzt());
    const auto antwort = ordner.beantworte(standin::pfadOhneUrsprung(req.path), req.params);
    res.status = antwort.status;
    if (antwort.geaendert) res.set_header("Last-Modified", standin::httpDatum(*antwort.geaendert));
    if (antwort.status == 404 && antwort.inhalt.empty()) {
      res.set_content("404 Not Found\r\n", "text/plain");
    } else {
      res.set_content(antwort.inhalt, antwort.typ);
    }
    protokoll(req, res.status, res.body.size());
    geloggt = true;
  });
  server.set_logger([&](const httplib::Request& req, const httplib::Response& res) {
    if (!geloggt) protokoll(req, res.status, res.body.size());
    geloggt = false;
  });

  int port = opt.port;
  if (port == 0) {
    port = server.bind_to_any_port(opt.host);
    if (port <= 0) {
      std::cerr << "cannot listen on " << opt.host << "\n";
      return 1;
    }
  } else if (!server.bind_to_port(opt.host, port)) {
    std::cerr << "cannot listen on " << opt.host << ":" << port << "\n";
    return 1;
  }
  logZeile("listening on http://" + opt.host + ":" + std::to_string(port));

  std::atomic<bool> signalKam{false};
  std::atomic<bool> beendet{false};
  std::thread waechter([&] {
    int signal = 0;
    sigwait(&signale, &signal);
    if (beendet) return;
    signalKam = true;
    logZeile(std::string("stopping on ") + (signal == SIGINT ? "SIGINT" : "SIGTERM"));
    // A signal right after the start can come before the server runs its loop; stop() does
    // nothing then, so wait for the loop.
    while (!beendet && !server.is_running()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    server.stop();
  });
  const bool ok = server.listen_after_bind();
  beendet = true;
  if (!signalKam) pthread_kill(waechter.native_handle(), SIGTERM);  // wake the waiter
  waechter.join();
  logZeile("stopped");
  return ok || signalKam ? 0 : 1;
}
