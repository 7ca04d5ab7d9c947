#pragma once
// What the demo web's own files share; not for its users.
#include <atomic>
#include <string>

namespace httplib {
struct Request;
struct Response;
}  // namespace httplib

namespace demoweb {

// A small article page of site n showing `path`, in the site's encoding.
std::string renderArticle(int n, const std::string& path, const std::string& serverRoot);
// The catalogue server's home page (GBK): what lives where.
std::string renderIndex(const std::string& serverRoot);

// The addresses under /bad/ that misbehave on purpose. Returns false for a path it
// does not know. Every loop in them watches `stopping`, so a stop never waits long.
bool serveMisbehaving(const httplib::Request& req, httplib::Response& res,
                      const std::atomic<bool>& stopping, const std::string& serverRoot);
// What /bad/redirect leads to, once reached under the other host name.
void serveRedirectTarget(httplib::Response& res);

}  // namespace demoweb
