#pragma once

#include "classdata/result.h"

#include <string>
#include <string_view>
#include <vector>

namespace quillmark {

// "Lee, Ann: Quiz 3", as the window shows them
struct MergeConflict {
    std::string where, mine, theirs;
};

// Merges into the open class what another copy changed: `base` is the class file content this copy
// last read or wrote, `theirs` the content on disk now. A field changed in one copy only takes that
// copy's value; a field changed differently in both is listed in `conflicts` and keeps this copy's
// value. Fails, changing nothing, when `base` or `theirs` is not a readable class file.
//
// An empty content is an empty class. Students are the same record across the versions when their
// ID number is held by one student at most in each version, otherwise by slot; assignments by slot.
// A sort in one copy only keeps that copy's order; when both sorted, this copy's order stands.
// A record the other copy added where this copy added one moves to the first free slot; with no
// free slot the two are a conflict. A record removed in one copy and changed in the other is a
// conflict; removed in one and unchanged in the other, it is removed.
Result merge_class(std::string_view base, std::string_view theirs,
                   std::vector<MergeConflict>& conflicts);
// The same merge, where each conflict whose index (in the order merge_class lists them, which is
// the same for the same base, theirs and open class) is true in take_theirs takes the other copy's
// value instead; entries past the end of take_theirs keep this copy's value.
Result merge_class_choosing(std::string_view base, std::string_view theirs,
                            std::vector<MergeConflict>& conflicts,
                            const std::vector<bool>& take_theirs);

} // namespace quillmark
