#pragma once
// The two lists that come from the catalogue server at start-up: shared downloads
// with their passwords, and useful websites. Each file is a run of records whose
// fields stand between fixed markers:
//   share:   "名称：" name "丨作者：" contributor "丨联系：" contact "丨密码：" password "丨链接：" link "丨"
//   website: "名称：" name "丨时间：" date "丨介绍：" description "丨网址：" address "丨"
#include <string>

#include "host/controls.h"
#include "host/shell.h"

// Where the two files lie on the catalogue server.
inline const char* const shareListPath = "/book/kpzw/sl_fx.txt";
inline const char* const websiteListPath = "/book/kpzw/sl_wz.txt";

// Rebuilds 列表框_分享 (name, contributor, contact, password, link) from the file at
// `address`; a file that cannot be fetched leaves the list empty.
void loadShareList(host::ListView& 列表框_分享, const std::string& address);
// Rebuilds 列表框_分享网站 (number from 1, name, date, description, address).
void loadWebsiteList(host::ListView& 列表框_分享网站, const std::string& address);

// Double-click on the share list: opens the link, then, unless the password is
// exactly "无", puts the password on the clipboard and says so in a box.
void openSharedLink(host::Shell& shell, const host::ListView& 列表框_分享);
// Double-click on the website list: opens column 4.
void openWebsiteLink(host::Shell& shell, const host::ListView& 列表框_分享网站);

inline const char* const passwordCopiedMessage =
    "检测到有密码！已为您复制密码，进入网站后请按Ctrl键+V键（或者右击粘贴）即可！";
