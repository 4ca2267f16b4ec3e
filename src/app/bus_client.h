// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#pragma once

namespace CommandLine {
struct Parsed;
}

// The command line's side of the session bus: asks the running Ixo and prints its answer.
namespace BusClient {

/// Carries out an add, list, stop or snooze command against the Ixo of this session, without a display (under the
/// caller's QCoreApplication); returns
/// the exit code: 0 when done, 1 when refused (the reason on standard error), when no Ixo runs or when the session
/// bus cannot be reached (with the bus's reason).
int run(const CommandLine::Parsed& command);

} // namespace BusClient
