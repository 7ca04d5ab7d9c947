#pragma once
// The log-on start switch on the settings page. The caption of 按钮_开机启动 is the
// state while the program runs: set from the autostart entry at start-up, flipped by
// each click that changed the entry.
#include <string>

#include "host/autostart_entry.h"
#include "host/controls.h"

inline const char* const autoStartOnCaption = "开机自动启动[开]";
inline const char* const autoStartOffCaption = "开机自动启动[关]";

// The entry's text as it is compared: every backquote becomes a double quote, and the
// tildes become “ and ” by turns (first, third, ... opening; second, fourth, ... closing).
std::string normaliseAutoStartText(const std::string& entryText);

// Shows "开" when the normalised entry equals `executablePath` byte for byte; otherwise
// the caption stays as it is.
void reflectAutoStart(host::Control& 按钮_开机启动, const host::AutoStartEntry& entry,
                      const std::string& executablePath);

// In state "关" writes the entry for `executablePath`, otherwise removes it. The caption
// changes only when the entry did, so it never shows a state that was not reached.
void toggleAutoStart(host::Control& 按钮_开机启动, host::AutoStartEntry& entry, const std::string& executablePath);
