#include "collect/collection_run.h"

#include "collect/catalogue.h"
#include "collect/scraper.h"
#include "host/status_line.h"
#include "lists/find_pages.h"
#include "collect/site_roots.h"
#include "settings/settings_file.h"
#include "settings/settings_page.h"
#include "text/cp936.h"

namespace {
constexpr int todayCountColumn = 2;
}

std::string SharedName::get() const {
  std::lock_guard lock(mutex_);
  return name_;
}

void SharedName::set(const std::string& name) {
  std::lock_guard lock(mutex_);
  name_ = name;
}

std::string collectingMessage(const std::string& name) {
  return "正在获取" + name + "这个网站的数据，请耐心等待…";
}

std::string closingMessage(const std::string& contactNumber) {
  return "采集所有资源网完毕，如果您有意见或者BUG反馈，请联系处理QQ" + contactNumber + "或右上方的小笔反馈！";
}

void runCollection(CollectionRun& run) {
  run.列表框_采集.clearRows();
  run.图片框4.setVisible(true);
  reloadSettingsList(run.settingsPage);
  for (const SourceEntry& entry : sourceCatalogue()) {
    if (host::stopRequested()) return;  // ended by force: the walk goes no further
    collectSource(run, entry.name);
  }
  if (host::stopRequested()) return;
  fillSourceSelector(run.列表框_采集, run.组合框_来源选择);
  showStatus(run.statusLine, closingMessage(run.contactNumber));
  run.图片框4.setVisible(false);
}

void collectSource(CollectionRun& run, const std::string& name) {
  if (!isSourceEnabled(run.settings, name)) return;
  showStatus(run.statusLine, collectingMessage(name));
  run.currentSourceName.set(name);
  host::startThread([&run] { collectCurrentSource(run); }, run.workerThread);
  host::waitThread(run.workerThread);
}

void collectCurrentSource(CollectionRun& run) {
  const std::string name = run.currentSourceName.get();
  long count = 0;
  const SourceEntry* entry = findSource(name);
  if (entry && entry->kind != RecipeKind::noRecipe) {
    const Recipe recipe = recipeFor(*entry, siteRootFor(run.settings, name), dayMarkText(*entry));
    count = scrapePage(run.列表框_采集, recipe);
  }
  setTodayCount(run.列表框_设置, name, count);
}

void setTodayCount(host::ListView& 列表框_设置, const std::string& name, long count) {
  列表框_设置.setCellsWhere(0, name, todayCountColumn, text::decimalText(count));
}

void refreshCollection(CollectionRun& run) {
  run.刷新采集.setEnabled(false);
  host::killThread(run.workerThread);
  host::killThread(run.collectionThread);
  reloadSettingsList(run.settingsPage);
  host::startThread([&run] { runCollection(run); }, run.collectionThread);
  run.刷新采集.setEnabled(true);
}

void stopCollection(CollectionRun& run) {
  run.停止采集.setEnabled(false);
  host::killThread(run.workerThread);
  host::killThread(run.collectionThread);
  fillSourceSelector(run.列表框_采集, run.组合框_来源选择);
  showStatus(run.statusLine, stoppedMessage);
  run.停止采集.setEnabled(true);
  run.图片框4.setVisible(false);
}

void skipCurrentSource(CollectionRun& run) {
  run.跳过采集.setEnabled(false);
  // The walk names the next source only after this worker has ended, so a worker still
  // running after its name was read is the one that name belongs to. Once ended, the
  // worker cannot write its own count over the 0, and the walk moves on at once: the
  // name must be taken before the end, not after.
  const host::ThreadHandle worker = run.workerThread.get();
  const std::string name = run.currentSourceName.get();
  if (host::isRunning(worker)) {  // only a source being collected is skipped
    host::killThread(worker);
    setTodayCount(run.列表框_设置, name, 0);
  }
  run.跳过采集.setEnabled(true);
}
