#pragma once
// Written bytes on their way to the line. A write hands them to the driver as far as it
// takes them now; Qt keeps the rest and passes it on in every later wait on the port.
// Before a port closes: its queued bytes written and its line drained, within the wire
// time of what is queued at the port's rate plus a margin. What is still queued at the
// end (a handshake holding the line) is discarded, so neither the wait nor the driver's
// own close can hang the program.

class QSerialPort;

namespace platform {

// Hands Qt's queued bytes to the driver as far as it takes them without waiting. A line
// held up by its handshake takes none: that is no failure, the bytes wait in the queue.
void HandToDriver(QSerialPort& port);

void DrainBeforeClose(QSerialPort& port);

}  // namespace platform
