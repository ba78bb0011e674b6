#pragma once

// The table that kvrm_embed generates from resources/<type>/<name>.<ext>.
namespace kvrm::embedded {

struct EmbeddedResource {
  const char* type;
  const char* name;
  const unsigned char* data;
  unsigned long size;
};

extern const EmbeddedResource kResources[];
extern const unsigned long kResourceCount;

}  // namespace kvrm::embedded
