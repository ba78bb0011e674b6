#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "image/section_copies.h"
#include "macros/macro_outcome.h"

namespace kvrm {

enum class Axis { kX, kY };

// The editable bytes of a fire record: the count after the first repeat start,
// the steps of the first move, and the delay that follows that move (the shoot
// time). A position of -1 means the record has no such byte.
struct FireParameters {
  int count = 0;
  int count_at = -1;
  int x = 0;
  int y = 0;
  int move_at = -1;  // X at move_at, Y at move_at + 1
  int shoot_time = 0;
  int time_at = -1;  // high byte at time_at, low byte at time_at + 1
};

// Walks the record event by event, so an operand byte is never taken for an
// event code, and stops at its end.
FireParameters ScanFireRecord(std::span<const uint8_t> record);

// A step and its adjustment value must add up to a signed byte: the step is
// kept within -128..127 and then moved so that step + adjustment stays there.
int ClampFireStep(int step, int adjustment);
int ClampFireAdjustment(int adjustment, int step);

// Each writes the clamped value at the position the scan found and returns
// it; nullopt (and nothing written) when the record has no such byte.
std::optional<int> SetFireCount(std::span<uint8_t> record, const FireParameters& params, int count);
std::optional<int> SetFireStep(std::span<uint8_t> record, const FireParameters& params, Axis axis,
                               int step, int adjustment);
std::optional<int> SetShootTime(std::span<uint8_t> record, const FireParameters& params, int ms);

// Adjustment values of fire record k: User section bytes 7 + k (X) and 17 + k (Y), signed.
int FireAdjustment(const UserSection& user, int record, Axis axis);
int SetFireAdjustment(UserSection& user, int record, Axis axis, int adjustment, int step);

// The colour of fire record k is LED colour k + 1, vendor::BaseColour(k + 1).

// Lays the fire records (and, on the 4230C, the ten names before them) into
// the fire macro block; the block's other bytes stay as they are.
void BuildFireBlock(SectionCopies& copies);

// Reads ten 24-byte records (record k at file offset 24k) into the first 24
// bytes of each fire record and rebuilds the block. Files shorter than 240
// bytes are refused and change nothing.
Outcome ImportGunMacros(const std::string& path, SectionCopies& copies);

}  // namespace kvrm
