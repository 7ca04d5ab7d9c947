#pragma once
// The collection run: one thread walks the catalogue; for every source the settings
// file enables it starts one worker that scrapes the source into the collect list and
// writes the source's count into the settings list. The user can refresh, stop or
// skip at any moment; a forced end takes effect at once (see host/threads.h).
#include <mutex>
#include <string>

#include "host/controls.h"
#include "host/threads.h"

struct SettingsFile;
struct SettingsPage;

// The name of the source being collected: written by the collection thread, read by
// its worker and by the skip handler on the window thread.
class SharedName {
 public:
  std::string get() const;
  void set(const std::string& name);

 private:
  mutable std::mutex mutex_;
  std::string name_;
};

struct CollectionRun {
  host::ListView& 列表框_采集;
  host::ListView& 列表框_设置;
  host::ComboBox& 组合框_来源选择;
  host::Control& statusLine;  // 编辑框1
  host::Control& 图片框4;     // the waiting panel over the find page
  host::Control& 刷新采集;
  host::Control& 停止采集;
  host::Control& 跳过采集;
  SettingsPage& settingsPage;  // rebuilds 列表框_设置 from the catalogue server
  const SettingsFile& settings;
  std::string contactNumber;  // named in the closing message

  host::ThreadSlot workerThread{};
  host::ThreadSlot collectionThread{};
  // Keeps the last name after a run; empty before the first.
  SharedName currentSourceName{};
};

// The collection thread's routine.
void runCollection(CollectionRun& run);
// One step of the walk: passes the source over unless its key reads exactly "获取",
// else scrapes it on a worker thread and waits for that worker.
void collectSource(CollectionRun& run, const std::string& name);
// The worker's routine: scrapes the current source and writes its count.
void collectCurrentSource(CollectionRun& run);
// Writes `count` into the 今日资源 cell of every row of 列表框_设置 named `name`.
void setTodayCount(host::ListView& 列表框_设置, const std::string& name, long count);

// Handlers of the buttons 刷新采集, 停止采集, 跳过采集 and the menu items of the same names.
void refreshCollection(CollectionRun& run);
void stopCollection(CollectionRun& run);
void skipCurrentSource(CollectionRun& run);

// The texts the run shows.
std::string collectingMessage(const std::string& name);
std::string closingMessage(const std::string& contactNumber);
inline const char* const stoppedMessage = "您已强制停止所有采集的数据！如果您还要重新开始采集请点击刷新采集！";
