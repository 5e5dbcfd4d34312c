#pragma once
// The view model as the main window wires it: the sink, and behind it the tree, the filtered
// list, the status figures, the log and the last main windows; and the checks that the models
// and the controls' mirrors agree after any stream.

#include <cstring>
#include <vector>

#include "app/commands.h"
#include "doubles/fake_controls.h"
#include "doubles/fake_platform.h"
#include "doubles/fake_view_outputs.h"
#include "fuzz_check.h"
#include "view/known_programs.h"
#include "view/list_filter.h"
#include "view/list_listener.h"
#include "view/log_listener.h"
#include "view/status_listener.h"
#include "view/tree_listener.h"

namespace orvane::fuzz {

struct ViewRig {
  ViewRig() {
    sink.Register(&treeListener);
    sink.Register(&filter);
    sink.Register(&status);
    sink.Register(&log);
    sink.Register(&lastMainWindows);
    log.LogFlags = 0x3F;
  }

  // Delivers a copy of the record in a buffer of exactly size bytes, so that reading past its
  // end is caught.
  void Deliver(const void* record, int32_t size) {
    if (size <= 0) return sink.Deliver(record, size);
    std::vector<unsigned char> copy(static_cast<std::size_t>(size));
    std::memcpy(copy.data(), record, copy.size());
    sink.Deliver(copy.data(), size);
  }

  // After a consistency error the models may hold objects that the listeners have let go.
  void CheckConsistent(bool errorRaised = false) const {
    if (!errorRaised) {
      // Every tracked object has its node and its row; the root has neither.
      std::size_t rows = 0;
      for (const TrackedObject& object : listListener.Tracked())
        rows += object.key.kind != kKindRoot;
      FUZZ_CHECK(rows == list.RowCount());
      FUZZ_CHECK(treeListener.TrackedCount() == tree.NodeCount());
    }
    FUZZ_CHECK(treeControl.items.size() == tree.NodeCount());
    std::size_t nodes = 0;
    tree.ForEachNode([&](const TreeNode& node) {
      ++nodes;
      if (node.parent != nullptr) {
        FUZZ_CHECK(node.parent->key.kind + 1 == node.key.kind);
        FUZZ_CHECK(KeyIsAncestor(node.parent->key, node.key));
      } else {
        FUZZ_CHECK(node.key.kind == kKindComputer);
      }
      FUZZ_CHECK(treeControl.items.at(node.controlItem).text == node.content.text);
    });
    FUZZ_CHECK(nodes == tree.NodeCount());
    FUZZ_CHECK(listControl.rows.size() == list.RowCount());
    for (std::size_t i = 0; i < list.RowCount(); ++i) {
      FUZZ_CHECK(listControl.rows[i] == list.Row(i).cells);
      FUZZ_CHECK(list.PositionOf(list.Row(i)) == i);
      const ListRow* first = list.FindFirst(list.Row(i).key);
      FUZZ_CHECK(first != nullptr && list.PositionOf(*first) <= i);
    }
    int32_t processes = 0;
    for (const TrackedObject& object : status.Tracked())
      processes += object.key.kind == kKindProcess;
    FUZZ_CHECK(status.ProcessCount() == processes);
  }

  testing::FakeLocale locale;
  KnownPrograms programs{locale};
  testing::FakeClock clock;
  testing::FakeTreeControl treeControl;
  TreeModel tree{treeControl};
  TreeListener treeListener{tree, programs};
  testing::FakeListControl listControl;
  ListModel list{listControl};
  ListListener listListener{list, programs};
  ListFilter filter{listListener};
  testing::FakeStatusPanels panels;
  StatusListener status{panels};
  testing::FakeLogOutput logOutput;
  LogListener log{logOutput, clock};
  LastMainWindows lastMainWindows;
  RecordSink sink;
};

}  // namespace orvane::fuzz
