#pragma once
// The one request routine: every download of the program goes through it.
#include <string>

// Performs one HTTP or HTTPS request and returns the response body as a code page
// 936 text (decoded first when the page is UTF-8), cut at its first zero byte; the
// empty text on any failure. Pointers stand for the optional in/out arguments; a
// null pointer is an omitted argument, which for `cookies` and `proxy` differs from
// a given empty text.
//  method           1: POST; anything else GET. A body goes with every method but 0.
//  postText         the body, used when *postBytes is empty.
//  cookies          in/out: sent as a Cookie line when not empty; when given, the
//                   response's cookies are merged into it.
//  responseCookies  out: the response's Set-Cookie pairs joined by "; ".
//  headers          in/out: extra lines, CR LF between them; on return the whole
//                   header text that was sent, default lines appended.
//  redirectAddress  out: the Location value, or the whole response header text.
//  noRedirect       the client must hand back redirects instead of following them.
//  postBytes        in/out: the body as bytes; receives postText when it is empty.
//  proxy            "host" or "host:port" for plain HTTP requests.
//  responseHeaders  out: the raw response header text, CR LF lines.
// A "301 Moved" answer is followed by the routine itself (the Location plus the old
// path), at most 10 in a row. A kill of the calling thread ends the call at once.
std::string httpRequest(const std::string& url, int method = 0, const std::string& postText = {},
                        std::string* cookies = nullptr, std::string* responseCookies = nullptr,
                        std::string* headers = nullptr, std::string* redirectAddress = nullptr,
                        bool noRedirect = false, std::string* postBytes = nullptr,
                        const std::string* proxy = nullptr, std::string* responseHeaders = nullptr);
