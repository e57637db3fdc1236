// An installed program finds its data beside its own bin folder, wherever the tree was
// put; one run from the build folder finds the build folder's copy.
#include "gui/data_location.h"

#include <gtest/gtest.h>

namespace gui {
namespace {

TEST(DataLocationTest, DataFolderFollowsTheProgramsOwnFolder) {
  const DataLayout layout{"/src/build/default", "/src/build/default/share/dravon", "../share/dravon"};
  const struct {
    const char* program_dir;
    const char* want;
  } rows[] = {
      {"/usr/bin", "/usr/share/dravon"},
      {"/usr/local/bin/", "/usr/local/share/dravon"},
      {"/tmp/stage/usr/bin", "/tmp/stage/usr/share/dravon"},  // DESTDIR, or a moved tree
      {"/src/build/default/apps/dravon", "/src/build/default/share/dravon"},
      {"/src/build/default/../default/apps/pemliq", "/src/build/default/share/dravon"},
      {"/src/build/default-old/bin", "/src/build/default-old/share/dravon"},  // not the build folder
  };
  for (const auto& row : rows)
    EXPECT_EQ(DataDirectoryFor(row.program_dir, layout).toStdString(), row.want) << row.program_dir;
}

}  // namespace
}  // namespace gui
