// What the rules have to tell the player: texts for the main window's message line, and problems
// (a missing picture) that the program shows as it sees fit. The windows install the sinks; with
// none installed the texts go nowhere, so the rules run the same with or without a window.
#pragma once

#include <QString>
#include <functional>

using MessageSink = std::function<void(const QString& text)>;

// The message line: set replaces its text, append adds to it.
void setMessageLineSinks(MessageSink set, MessageSink append);
void setMessageLine(const QString& text);
void appendToMessageLine(const QString& text);

// Problems the player should hear of once (a picture file missing).
void setProblemSink(MessageSink sink);
void reportProblem(const QString& text);
