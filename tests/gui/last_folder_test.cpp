// File dialogs open in the folder the user last chose a file in, also after a restart.
#include "gui/last_folder.h"

#include <gtest/gtest.h>

#include "platform/settings/settings_store.h"

namespace gui {
namespace {

TEST(LastFolder, DialogsStartInTheLastFolderChosenAndTheStoreKeepsIt) {
  platform::MemorySettingsStore store;
  KeepLastFolderIn(store, "Halvora");
  struct Case {
    const char* chosen;     // the file the user chose before ("" for a cancelled dialog)
    const char* suggested;  // what the next dialog suggests
    const char* start;      // where it starts
  };
  const Case cases[] = {
      {"", "readings.csv", "readings.csv"},  // nothing chosen yet: the working folder
      {"/home/tech/plant/01.ini", "readings.csv", "/home/tech/plant/readings.csv"},
      {"", "", "/home/tech/plant"},                                 // a cancelled dialog changes nothing
      {"/mnt/usb/report.csv", "/etc/chart.png", "/etc/chart.png"},  // a path of its own stays
      {"", "chart.png", "/mnt/usb/chart.png"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.chosen);
    NoteChosenFile(c.chosen);
    EXPECT_EQ(DialogStart(c.suggested).toStdString(), c.start);
  }
  EXPECT_EQ(store.Get("Halvora", kLastFolderSection, kLastFolderKey, ""), "/mnt/usb");
  platform::MemorySettingsStore next_run;
  next_run.Set("Halvora", kLastFolderSection, kLastFolderKey, "/srv/data");
  KeepLastFolderIn(next_run, "Halvora");
  EXPECT_EQ(DialogStart("a.ini").toStdString(), "/srv/data/a.ini")
      << "the next run starts where the last ended";
  platform::MemorySettingsStore empty;
  KeepLastFolderIn(empty, "Halvora");
  EXPECT_EQ(DialogStart("a.ini").toStdString(), "a.ini");
}

}  // namespace
}  // namespace gui
