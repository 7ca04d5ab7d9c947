// Writes the seed inputs of the fuzz corpora: the demo web's pages and catalogue files
// as served (GBK where the site is GBK), framed the way each target takes its input,
// plus small hand-made inputs. Built with g++ against the demo web library:
//   fuzz/seeds/make-seeds BUILD_FOLDER
// Seeds are named seed_*, so rerunning replaces them and leaves found inputs alone.
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "collect/catalogue.h"
#include "demo_web.h"
#include "host/codepage.h"
#include "host/controls.h"
#include "lists/saved_queries.h"

namespace {

std::string corpus;

void put(const std::string& target, const std::string& name, const std::string& bytes) {
  const auto folder = std::filesystem::path(corpus) / target;
  std::filesystem::create_directories(folder);
  std::ofstream(folder / ("seed_" + name), std::ios::binary) << bytes;
}

// A text framed for fuzz::Input::text: its length in one byte, then the text.
std::string framed(const std::string& t) { return std::string(1, static_cast<char>(t.size())) + t; }

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  corpus = argv[1];
  const std::string root = "http://127.0.0.1:8080/";
  const demoweb::Day day{2018, 5, 30};
  std::vector<std::string> gbkTexts;  // every served text as code page 936

  for (int n = 1; n <= 40; ++n) {
    const std::string page = demoweb::renderPage(n, day, root);
    if (page.empty()) continue;
    const demoweb::SiteInfo info = demoweb::siteInfo(n);
    const std::string local = info.utf8 ? host::utf8ToCp936(page) : page;
    gbkTexts.push_back(local);
    const SourceEntry& entry = sourceCatalogue()[static_cast<size_t>(n - 1)];
    const std::string id = "site" + std::to_string(n);
    if (entry.itemStart.size() <= 64 && entry.itemEnd.size() <= 64)
      put("pieces_between", id, framed(entry.itemStart) + framed(entry.itemEnd) + local);
    put("all_texts_between", id, std::string(1, '\0') + framed(entry.titleStart.substr(0, 64)) +
                                     framed(entry.titleEnd.substr(0, 64)) + local);
    put("text_between", id, std::string("\x07\x07", 2) + entry.linkStart.substr(0, 8) +
                                std::string(8 - std::min<size_t>(8, entry.linkStart.size()), ' ') +
                                entry.linkEnd.substr(0, 8) +
                                std::string(8 - std::min<size_t>(8, entry.linkEnd.size()), ' ') + local);
    put("utf8_to_local", id, info.utf8 ? page : host::cp936ToUtf8(page));
    put("header_scan", id, "HTTP/1.1 200 OK\r\nContent-Type: text/html; charset=" +
                               std::string(info.utf8 ? "utf-8" : "gb2312") + "\r\nLocation: " +
                               demoweb::pageAddress(root, n) + "\r\nSet-Cookie: s" + std::to_string(n) +
                               "=1; Path=/\r\n\r\n");
  }
  for (const char* name : {"ylw.txt", "sl_fx.txt", "sl_wz.txt"}) {
    const std::string file = demoweb::renderCatalogueFile(name, root);
    gbkTexts.push_back(file);
    put("all_texts_between", name, std::string(1, '\x03') + framed("丨名称：") + framed("丨链接：") + file);
    put("saved_file_reader", name, file);
    put("utf8_to_local", name, host::cp936ToUtf8(file));
    put("text_rules", name, std::string(1, '\x20') + file);
  }

  // A saved file of rows scraped from the pages' titles: what the reader meets most.
  host::ListView list("列表框_采集", nullptr, {}, {{"编号", 1}, {"来源", 1}, {"名称", 1}, {"时间", 1}, {"链接", 1}});
  list.appendRow({"1", "小刀", "标题一", "2018-05-30", "http://a/1"});
  list.appendRow({"2", "深蓝", "Title 2", "2018-05-30", "http://b/2"});
  list.appendRow({"3", "QQ", "", "", ""});
  put("saved_file_reader", "saved", savedListText(list));
  put("saved_file_reader", "cells", std::string("标题一\x01" "2018-05-30\x01http://a/1\x01" "Title 2\x01\x01"));
  put("saved_file_reader", "short", "名称：A时间：1链接：L丨\r\n名称：B时间：2\r\n名称：C");

  put("merge_cookies", "basic", framed("a=1; b=2; c=deleted") + "b=3; d=4;a=deleted");
  put("merge_cookies", "spaces", framed("　a = 1 ;  b=2") + " b=2; b=2;;");
  put("merge_cookies", "gbk", framed("名=值; x=\xA1") + "名=新;\xB0;");
  put("header_scan", "redirect", "HTTP/1.1 301 Moved Permanently\r\nLocation:   http://x/a  \r\n\r\n");
  put("header_scan", "bare_lf", "HTTP/1.1 302 Found\nLocation: /next\nSet-Cookie: a=1\nSet-Cookie: b=2; Path=/\n\n");
  put("header_scan", "cookies",
      "HTTP/1.1 200 OK\r\nSet-Cookie: a=1; Path=/\r\nset-cookie: b=2; HttpOnly\r\nSet-Cookie:\r\nSet-Cookie: c=3\r\n");
  put("utf8_to_local", "mixed", "abc \xE2\x82\xAC \xF0\x9F\x98\x80 \xC3\xA9 \xED\xA0\x80 \xC0\xAF \xE4\xB8\xAD");
  put("ini_file", "zeza",
      std::string("\x04\x04\x02", 3) + "项目配置" + "小刀娱乐网" + "禁止" +
          "[修改版本]\r\n版本型号=0\r\n[项目配置]\r\n小刀娱乐网=获取\r\n深蓝=\"禁止\"\r\n\r\n[地址]\r\nx=1\r\n");
  return 0;
}
