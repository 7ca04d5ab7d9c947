#pragma once
// The Internet client: one HTTP/1.1 exchange over libcurl, sent exactly as built by
// the caller (verb, path with query, header text, body) and read whole. A kill of
// the calling thread (see threads.h) aborts the transfer at once.
#include <optional>
#include <string>

namespace host {

struct InternetRequest {
  std::string verb = "GET";
  bool secure = false;       // TLS, with the peer's certificate and name checked
  std::string host;          // without port
  long port = 80;            // 0: the scheme's default
  std::string path = "/";    // with query; a fragment is not sent
  std::string agent;         // User-Agent, unless the header text holds its own line
  std::string headerText;    // lines separated by CR LF, no CR LF at the end
  bool sendBody = false;     // a body (maybe empty) goes with the request
  std::string body;
  bool noRedirect = false;   // hand back 3xx answers instead of following them (at most 10)
  // "host" or "host:port" (port 80 when none), used for plain HTTP requests only.
  std::optional<std::string> proxy;
  size_t maxBodyBytes = 64u << 20;  // a longer body fails the request
};

enum class InternetError { none, failed, tooLarge, stopped };

struct InternetResponse {
  InternetError error = InternetError::none;
  std::string detail;   // the library's message when it failed, for tests and logs
  long status = 0;
  std::string headers;  // the last response's status and header lines, CR LF each, as received
  std::string body;     // empty unless error is none
};

// Performs the request. Connect time-out 60 s; a transfer aborts when no byte has
// come for 30 s; no overall cap. Returns at once with `stopped` when the calling
// thread is already being killed. No cookie store, no cache, no proxy from the
// environment.
InternetResponse fetchInternet(const InternetRequest& request);

// Makes the certificates in a PEM file trusted as well as the system's, for every
// later request of the process. Tests use it for their own server's certificate.
void trustCertificateFile(const std::string& pemPath);

}  // namespace host
