// The registry of live flat gadgets.
//
// Event handlers learn only which control raised an event, so the kit files every FlatGadget
// under the decimal text of its control's native handle (signed, no leading zeros). The registry
// owns the records: adding a key yields a zero-filled record, removing it releases the record with
// its text. Only AttachFlat adds and only FreeFlat removes, so it holds exactly the live gadgets.
//
// The kit keeps one registry for the run, its own object table beside the toolkit's: start-up
// calls CreateFlatRegistry once before any control is made flat, and the kit's routines reach it
// through TheFlatRegistry. Without a registry nothing can be attached, and a creator leaves a
// plain canvas. Tests call CreateFlatRegistry again to start each case empty; controls that are
// still flat then get their own tables back, so nothing points into a dropped record.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <unordered_map>

#include "flat/flat_gadget.h"
#include "toolkit/ids.h"

namespace flat {

// "-42", "0", "1234": the registry's key for a native handle.
std::string FlatKey(tk::Handle handle);

class FlatRegistry {
 public:
  static constexpr std::size_t kBuckets = 512;  // the standard map may round this up

  FlatRegistry();
  FlatRegistry(const FlatRegistry&) = delete;
  FlatRegistry& operator=(const FlatRegistry&) = delete;

  // A zero-filled record under the handle's key; none when the key is held already, since a
  // record in use must never be replaced under its control.
  FlatGadget* Add(tk::Handle handle);
  FlatGadget* Find(tk::Handle handle) const;
  // Releases the record; false when the key is absent.
  bool Remove(tk::Handle handle);
  // Points every control that still uses a record's table back at its own table.
  void HandBackTables();

  std::size_t Size() const { return records_.size(); }
  std::size_t BucketCount() const { return records_.bucket_count(); }

 private:
  std::unordered_map<std::string, std::unique_ptr<FlatGadget>> records_;
};

// Start-up: a fresh, empty registry for the run (a previous one hands back its tables and goes).
void CreateFlatRegistry();
// The kit's registry; none before CreateFlatRegistry.
FlatRegistry* TheFlatRegistry();

}  // namespace flat
