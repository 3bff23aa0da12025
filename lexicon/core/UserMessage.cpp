#include "lexicon/core/UserMessage.h"

#include <cstdio>

namespace {
IUserMessageSink* g_sink = nullptr;
}  // namespace

IUserMessageSink* SetUserMessageSink(IUserMessageSink* sink) {
  IUserMessageSink* old = g_sink;
  g_sink = sink;
  return old;
}

void ShowUserMessage(LPCSTR text) {
  if (g_sink)
    g_sink->ShowMessage(text);
  else
    std::fprintf(stderr, "%s\n", text);
}
