#include "Messages.h"

namespace {
struct Sinks {
    MessageSink set, append, problem;
};
Sinks& sinks() {
    static Sinks s;
    return s;
}
} // namespace

void setMessageLineSinks(MessageSink set, MessageSink append) {
    sinks().set = std::move(set);
    sinks().append = std::move(append);
}

void setMessageLine(const QString& text) {
    if (sinks().set) sinks().set(text);
}

void appendToMessageLine(const QString& text) {
    if (!text.isEmpty() && sinks().append) sinks().append(text);
}

void setProblemSink(MessageSink sink) {
    sinks().problem = std::move(sink);
}

void reportProblem(const QString& text) {
    if (sinks().problem) sinks().problem(text);
}
