#pragma once

#include <memory>

class Connection;

// Termination notices of the connection workers. Both run on the GUI
// thread; notices of a connection other than the session's current one
// are dropped, so an older connection never changes what a newer one
// shows.

// A probe has ended. When it failed, or ended without starting the
// fillers, the session takes its status (never 0 in that case) and the
// probe's values.
void ProbeTerminated(const std::shared_ptr<Connection> &connection);

// A column filler has ended: the progress bar steps, the count of running
// fillers goes down under the fill lock, and the notice that reaches 0
// copies the filled table into the session and marks it filled, once.
void FillerTerminated(const std::shared_ptr<Connection> &connection);
