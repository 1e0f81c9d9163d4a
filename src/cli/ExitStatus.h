#pragma once

// The exit statuses scripts and makefiles test.
namespace ExitStatus {
inline constexpr int Ok = 0;     // the command completed
inline constexpr int Failed = 1; // an operation or a file failed
inline constexpr int Usage = 2;  // bad command line or unknown device
} // namespace ExitStatus
