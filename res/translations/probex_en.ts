<?xml version="1.0" encoding="utf-8"?>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
<context>
    <name>res</name>
    <message>
        <source>Probex
No file
Probex


Probex.Document
Probex.Document</source>
        <translation>Probex
No file
Probex


Probex.Document
Probex.Document</translation>
    </message>
    <message>
        <source>Read every written byte back and compare it with the dump
Verify after write</source>
        <translation>Read every written byte back and compare it with the dump
Verify after write</translation>
    </message>
    <message>
        <source>Write only the bytes that differ from the device&apos;s
Write only changed bytes</source>
        <translation>Write only the bytes that differ from the device&apos;s
Write only changed bytes</translation>
    </message>
    <message>
        <source>Show the trace of the last connections
Connection log</source>
        <translation>Show the trace of the last connections
Connection log</translation>
    </message>
    <message>
        <source>Send each request frame at once and check its echoes after it: much faster through a USB adapter
Send whole frames</source>
        <translation>Send each request frame at once and check its echoes after it: much faster through a USB adapter
Send whole frames</translation>
    </message>
    <message>
        <source>Open a backup of a device&apos;s EEPROM as a new dump
Restore from backup</source>
        <translation>Open a backup of a device&apos;s EEPROM as a new dump
Restore from backup</translation>
    </message>
    <message>
        <source>Store the device&apos;s whole EEPROM before the first write to it in this run
Backup before write</source>
        <translation>Store the device&apos;s whole EEPROM before the first write to it in this run
Backup before write</translation>
    </message>
    <message>
        <source>Move the caret to a byte given by its address
Go to</source>
        <translation>Move the caret to a byte given by its address
Go to</translation>
    </message>
    <message>
        <source>Probex</source>
        <translation>Probex</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Ready</translation>
    </message>
    <message>
        <source>Create a new dump
New</source>
        <translation>Create a new dump
New</translation>
    </message>
    <message>
        <source>Open an existing dump
Open</source>
        <translation>Open an existing dump
Open</translation>
    </message>
    <message>
        <source>Save the active dump
Save</source>
        <translation>Save the active dump
Save</translation>
    </message>
    <message>
        <source>Save the active dump with a new name
Save As</source>
        <translation>Save the active dump with a new name
Save As</translation>
    </message>
    <message>
        <source>Copy the selected bytes to the clipboard
Copy</source>
        <translation>Copy the selected bytes to the clipboard
Copy</translation>
    </message>
    <message>
        <source>Find bytes given in hex or as text
Find</source>
        <translation>Find bytes given in hex or as text
Find</translation>
    </message>
    <message>
        <source>Put the clipboard&apos;s bytes over the dump from the caret on
Paste</source>
        <translation>Put the clipboard&apos;s bytes over the dump from the caret on
Paste</translation>
    </message>
    <message>
        <source>Find the next place of the same bytes
Find next</source>
        <translation>Find the next place of the same bytes
Find next</translation>
    </message>
    <message>
        <source>Select the whole dump
Select all</source>
        <translation>Select the whole dump
Select all</translation>
    </message>
    <message>
        <source>Undo the last change
Undo</source>
        <translation>Undo the last change
Undo</translation>
    </message>
    <message>
        <source>Redo the change last undone
Redo</source>
        <translation>Redo the change last undone
Redo</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Display program information, version number and copyright
About</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents
Exit</source>
        <translation>Quit the application; prompts to save documents
Exit</translation>
    </message>
    <message>
        <source>CAP</source>
        <translation>CAP</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>SCRL</translation>
    </message>
    <message>
        <source>Show or hide the toolbar
Toggle ToolBar</source>
        <translation>Show or hide the toolbar
Toggle ToolBar</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle StatusBar</source>
        <translation>Show or hide the status bar
Toggle StatusBar</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progress</translation>
    </message>
    <message>
        <source>%d%% complete</source>
        <translation>%d%% complete</translation>
    </message>
    <message>
        <source>Unable to open COM-port</source>
        <translation>Unable to open COM-port</translation>
    </message>
    <message>
        <source>Device answer timeout</source>
        <translation>Device answer timeout</translation>
    </message>
    <message>
        <source>K-line adapter not present or power off or invalid COM port</source>
        <translation>K-line adapter not present or power off or invalid COM port</translation>
    </message>
    <message>
        <source>Receive check sum error</source>
        <translation>Receive check sum error</translation>
    </message>
    <message>
        <source>EEPROM range %02X - %02X will be read.
Are you sure?</source>
        <translation>EEPROM range %02X - %02X will be read.
Are you sure?</translation>
    </message>
    <message>
        <source>EEPROM range %02X - %02X will be overwrite.
Are you sure?</source>
        <translation>EEPROM range %02X - %02X will be overwrite.
Are you sure?</translation>
    </message>
    <message>
        <source>This is a last operation?</source>
        <translation>This is a last operation?</translation>
    </message>
    <message>
        <source>Wrong file size!</source>
        <translation>Wrong file size!</translation>
    </message>
    <message>
        <source>EEPROM ID will be read.
Are you sure?</source>
        <translation>EEPROM ID will be read.
Are you sure?</translation>
    </message>
    <message>
        <source>Device refused the request (code %02X)</source>
        <translation>Device refused the request (code %02X)</translation>
    </message>
    <message>
        <source>K-line error: a sent byte came back changed</source>
        <translation>K-line error: a sent byte came back changed</translation>
    </message>
    <message>
        <source>Stopped; the device connection was closed cleanly</source>
        <translation>Stopped; the device connection was closed cleanly</translation>
    </message>
    <message>
        <source>Device answer too short</source>
        <translation>Device answer too short</translation>
    </message>
    <message>
        <source>Device answered another request</source>
        <translation>Device answered another request</translation>
    </message>
    <message>
        <source>set; the driver tells nothing back
  echoes: %u of %u</source>
        <translation>set; the driver tells nothing back
  echoes: %u of %u</translation>
    </message>
    <message>
        <source>Read back: the driver&apos;s record of each format; it shows what the driver made of the request, not whether a USB adapter&apos;s chip took it (a refusal shows in the kernel log, and as echoes missing or changed)</source>
        <translation>Read back: the driver&apos;s record of each format; it shows what the driver made of the request, not whether a USB adapter&apos;s chip took it (a refusal shows in the kernel log, and as echoes missing or changed)</translation>
    </message>
    <message>
        <source>EEPROM range %02X - %02X will be compared with the dump.
Are you sure?</source>
        <translation>EEPROM range %02X - %02X will be compared with the dump.
Are you sure?</translation>
    </message>
    <message>
        <source>Bytes of %02X - %02X that differ from the device will be written.
Are you sure?</source>
        <translation>Bytes of %02X - %02X that differ from the device will be written.
Are you sure?</translation>
    </message>
    <message>
        <source>ID read in %.1f s</source>
        <translation>ID read in %.1f s</translation>
    </message>
    <message>
        <source>Read %u byte%s in %.1f s</source>
        <translation>Read %u byte%s in %.1f s</translation>
    </message>
    <message>
        <source>Wrote %u byte%s in %.1f s</source>
        <translation>Wrote %u byte%s in %.1f s</translation>
    </message>
    <message>
        <source>Failed after %.1f s</source>
        <translation>Failed after %.1f s</translation>
    </message>
    <message>
        <source>No byte was written.</source>
        <translation>No byte was written.</translation>
    </message>
    <message>
        <source>Bytes %02X - %02X were written, %02X - %02X were not.</source>
        <translation>Bytes %02X - %02X were written, %02X - %02X were not.</translation>
    </message>
    <message>
        <source>No byte was read; the dump keeps its values.</source>
        <translation>No byte was read; the dump keeps its values.</translation>
    </message>
    <message>
        <source>Bytes %02X - %02X were read, %02X - %02X keep their values.</source>
        <translation>Bytes %02X - %02X were read, %02X - %02X keep their values.</translation>
    </message>
    <message>
        <source>Stopped after %.1f s</source>
        <translation>Stopped after %.1f s</translation>
    </message>
    <message>
        <source>Bytes %s were written, %s were not.</source>
        <translation>Bytes %s were written, %s were not.</translation>
    </message>
    <message>
        <source>Bytes %s were written; reading them back did not finish.</source>
        <translation>Bytes %s were written; reading them back did not finish.</translation>
    </message>
    <message>
        <source>0x%02X: wrote %02X, read %02X</source>
        <translation>0x%02X: wrote %02X, read %02X</translation>
    </message>
    <message>
        <source>%u bytes differ: %s</source>
        <translation>%u bytes differ: %s</translation>
    </message>
    <message>
        <source>1 byte differs: %s</source>
        <translation>1 byte differs: %s</translation>
    </message>
    <message>
        <source>No byte differs (%u compared)</source>
        <translation>No byte differs (%u compared)</translation>
    </message>
    <message>
        <source>Wrote %u of %u bytes; the others already held the dump&apos;s values</source>
        <translation>Wrote %u of %u bytes; the others already held the dump&apos;s values</translation>
    </message>
    <message>
        <source>Bytes %s were written.</source>
        <translation>Bytes %s were written.</translation>
    </message>
    <message>
        <source>Bytes %s were not written.</source>
        <translation>Bytes %s were not written.</translation>
    </message>
    <message>
        <source>Byte %s may or may not have been written.</source>
        <translation>Byte %s may or may not have been written.</translation>
    </message>
    <message>
        <source>Written and verified: %s (%.1f s)</source>
        <translation>Written and verified: %s (%.1f s)</translation>
    </message>
    <message>
        <source>Wrote %u changed byte%s of %u (%.1f s)</source>
        <translation>Wrote %u changed byte%s of %u (%.1f s)</translation>
    </message>
    <message>
        <source>Wrote and verified %u changed byte%s of %u (%.1f s)</source>
        <translation>Wrote and verified %u changed byte%s of %u (%.1f s)</translation>
    </message>
    <message>
        <source>Verify after write found %u byte%s different from the dump:</source>
        <translation>Verify after write found %u byte%s different from the dump:</translation>
    </message>
    <message>
        <source>... and %u more.</source>
        <translation>... and %u more.</translation>
    </message>
    <message>
        <source>%s - %.1f s</source>
        <translation>%s - %.1f s</translation>
    </message>
    <message>
        <source>Verify: %u byte%s differ%s: %s (%.1f s)</source>
        <translation>Verify: %u byte%s differ%s: %s (%.1f s)</translation>
    </message>
    <message>
        <source>Reading %d %%</source>
        <translation>Reading %d %%</translation>
    </message>
    <message>
        <source>Writing %d %%</source>
        <translation>Writing %d %%</translation>
    </message>
    <message>
        <source>Verifying %d %%</source>
        <translation>Verifying %d %%</translation>
    </message>
    <message>
        <source>Reading the device first %d %%</source>
        <translation>Reading the device first %d %%</translation>
    </message>
    <message>
        <source>Comparing %d %%</source>
        <translation>Comparing %d %%</translation>
    </message>
    <message>
        <source>%s at 0x%02X after %.1f s</source>
        <translation>%s at 0x%02X after %.1f s</translation>
    </message>
    <message>
        <source>%s after %.1f s</source>
        <translation>%s after %.1f s</translation>
    </message>
    <message>
        <source>Stopped after %.1f s. %s</source>
        <translation>Stopped after %.1f s. %s</translation>
    </message>
    <message>
        <source>Bytes %s were compared: %s</source>
        <translation>Bytes %s were compared: %s</translation>
    </message>
    <message>
        <source>No byte was compared.</source>
        <translation>No byte was compared.</translation>
    </message>
    <message>
        <source>Nothing was written: the EEPROM backup could not be stored</source>
        <translation>Nothing was written: the EEPROM backup could not be stored</translation>
    </message>
    <message>
        <source>Backup: %s</source>
        <translation>Backup: %s</translation>
    </message>
    <message>
        <source>Backup not stored: %s</source>
        <translation>Backup not stored: %s</translation>
    </message>
    <message>
        <source>%s, without a backup</source>
        <translation>%s, without a backup</translation>
    </message>
    <message>
        <source>Backing up %d %%</source>
        <translation>Backing up %d %%</translation>
    </message>
    <message>
        <source>Restore from backup</source>
        <translation>Restore from backup</translation>
    </message>
    <message>
        <source>EEPROM backups (*.bin);;All Files (*.*)</source>
        <translation>EEPROM backups (*.bin);;All Files (*.*)</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Save changes to %1?</translation>
    </message>
    <message>
        <source>Failed to open document.</source>
        <translation>Failed to open document.</translation>
    </message>
    <message>
        <source>Failed to save document.</source>
        <translation>Failed to save document.</translation>
    </message>
    <message>
        <source>Failed to create empty document.</source>
        <translation>Failed to create empty document.</translation>
    </message>
    <message>
        <source>Please enter a positive integer.</source>
        <translation>Please enter a positive integer.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Please enter an integer between %1 and %2.</translation>
    </message>
    <message>
        <source>A device operation is running.
Please wait until it ends.</source>
        <translation>A device operation is running.
Please wait until it ends.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Save As</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>All Files (*.*)</translation>
    </message>
    <message>
        <source>Failed to open %1: %2.</source>
        <translation>Failed to open %1: %2.</translation>
    </message>
    <message>
        <source>Failed to save %1: %2.</source>
        <translation>Failed to save %1: %2.</translation>
    </message>
    <message>
        <source>A device operation is running. Stop it and close?</source>
        <translation>A device operation is running. Stop it and close?</translation>
    </message>
    <message>
        <source>Connection log</source>
        <translation>Connection log</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Save...</source>
        <translation>Save...</translation>
    </message>
    <message>
        <source>Usage: probex [FILE]
       probex --version
Reads and writes the EEPROM of a ZAQ device through a K-line adapter.

  FILE           a 256-byte dump to open at start
  -h, --help     print this help and exit
      --version  print the version, the copyright and the licence, and exit
</source>
        <translation>Usage: probex [FILE]
       probex --version
Reads and writes the EEPROM of a ZAQ device through a K-line adapter.

  FILE           a 256-byte dump to open at start
  -h, --help     print this help and exit
      --version  print the version, the copyright and the licence, and exit
</translation>
    </message>
    <message>
        <source>probex: unknown option %s
Try &apos;probex --help&apos;.
</source>
        <translation>probex: unknown option %s
Try &apos;probex --help&apos;.
</translation>
    </message>
    <message>
        <source>probex: one FILE only; %s is one too many
Try &apos;probex --help&apos;.
</source>
        <translation>probex: one FILE only; %s is one too many
Try &apos;probex --help&apos;.
</translation>
    </message>
    <message>
        <source>%1 holds %2 byte%3; a dump holds %4.</source>
        <translation>%1 holds %2 byte%3; a dump holds %4.</translation>
    </message>
    <message>
        <source>&amp;Фаил</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;New	Ctrl+N</source>
        <translation>&amp;New	Ctrl+N</translation>
    </message>
    <message>
        <source>&amp;Open...	Ctrl+O</source>
        <translation>&amp;Open...	Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Save	Ctrl+S</source>
        <translation>&amp;Save	Ctrl+S</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Save &amp;As...</translation>
    </message>
    <message>
        <source>Restore from &amp;backup...</source>
        <translation>Restore from &amp;backup...</translation>
    </message>
    <message>
        <source>Compare with &amp;file...</source>
        <translation>Compare with &amp;file...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>&amp;Правка</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;Отменить	Ctrl+Z</source>
        <translation>&amp;Undo	Ctrl+Z</translation>
    </message>
    <message>
        <source>&amp;Повторить	Ctrl+Y</source>
        <translation>&amp;Redo	Ctrl+Y</translation>
    </message>
    <message>
        <source>&amp;Копировать	Ctrl+C</source>
        <translation>&amp;Copy	Ctrl+C</translation>
    </message>
    <message>
        <source>Вст&amp;авить	Ctrl+V</source>
        <translation>&amp;Paste	Ctrl+V</translation>
    </message>
    <message>
        <source>Выделить &amp;всё	Ctrl+A</source>
        <translation>Select &amp;All	Ctrl+A</translation>
    </message>
    <message>
        <source>&amp;Найти...	Ctrl+F</source>
        <translation>&amp;Find...	Ctrl+F</translation>
    </message>
    <message>
        <source>Найти &amp;далее	F3</source>
        <translation>Find &amp;Next	F3</translation>
    </message>
    <message>
        <source>Пере&amp;йти к адресу...	Ctrl+G</source>
        <translation>&amp;Go to Address...	Ctrl+G</translation>
    </message>
    <message>
        <source>&amp;Вид</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>&amp;Панель</source>
        <translation>&amp;Toolbar</translation>
    </message>
    <message>
        <source>&amp;Статус</source>
        <translation>&amp;Status Bar</translation>
    </message>
    <message>
        <source>&amp;Проверять запись</source>
        <translation>&amp;Verify after Write</translation>
    </message>
    <message>
        <source>Писать только &amp;изменённые</source>
        <translation>Write Only &amp;Changed Bytes</translation>
    </message>
    <message>
        <source>&amp;Резервная копия перед записью</source>
        <translation>&amp;Backup before Write</translation>
    </message>
    <message>
        <source>Посылать &amp;кадры целиком</source>
        <translation>Send &amp;Whole Frames</translation>
    </message>
    <message>
        <source>&amp;Журнал соединений</source>
        <translation>Connection &amp;Log</translation>
    </message>
    <message>
        <source>&amp;Инфо</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;О читалке...</source>
        <translation>&amp;About Probex...</translation>
    </message>
    <message>
        <source>Buffer control</source>
        <translation>Buffer control</translation>
    </message>
    <message>
        <source>Чтение ID</source>
        <translation>Read ID</translation>
    </message>
    <message>
        <source>Чтение</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>Запись</source>
        <translation>Write</translation>
    </message>
    <message>
        <source>Таймаут, S</source>
        <translation>Timeout, s</translation>
    </message>
    <message>
        <source>Сравнение</source>
        <translation>Compare</translation>
    </message>
    <message>
        <source>Стоп</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Инфо</source>
        <translation>About Probex</translation>
    </message>
    <message>
        <source>Reader ZAQ for K-L adapter</source>
        <translation>Reader ZAQ for K-L adapter</translation>
    </message>
    <message>
        <source>Version 1.5</source>
        <translation>Version 1.5</translation>
    </message>
    <message>
        <source>ВЫход</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Examine the K-line adapter on the chosen port without waking the device
Check adapter</source>
        <translation>Examine the K-line adapter on the chosen port without waking the device
Check adapter</translation>
    </message>
    <message>
        <source>Adapter check</source>
        <translation>Adapter check</translation>
    </message>
    <message>
        <source>Checking the adapter on %1 ...</source>
        <translation>Checking the adapter on %1 ...</translation>
    </message>
    <message>
        <source>No serial port found: plug the K-line adapter in, then open the port list</source>
        <translation>No serial port found: plug the K-line adapter in, then open the port list</translation>
    </message>
    <message>
        <source>No serial adapter found. Start a simulated adapter with a ZAQ device behind it, holding a demonstration EEPROM image, to try the program?

It stops when the window closes. This question is not asked again.</source>
        <translation>No serial adapter found. Start a simulated adapter with a ZAQ device behind it, holding a demonstration EEPROM image, to try the program?

It stops when the window closes. This question is not asked again.</translation>
    </message>
    <message>
        <source>No serial adapter found: %1 is a simulated adapter and ZAQ device, its EEPROM image %2</source>
        <translation>No serial adapter found: %1 is a simulated adapter and ZAQ device, its EEPROM image %2</translation>
    </message>
    <message>
        <source>The simulated adapter did not start: %1</source>
        <translation>The simulated adapter did not start: %1</translation>
    </message>
    <message>
        <source>No serial adapter found. Plug the K-line adapter into a USB port: once its driver is installed, Device Manager lists it under &quot;Ports (COM &amp; LPT)&quot; as a COM port (&quot;USB Serial Port (COM3)&quot;). Then open the port list and choose that port.

There is no simulated adapter on Windows. This message is not shown again.</source>
        <translation>No serial adapter found. Plug the K-line adapter into a USB port: once its driver is installed, Device Manager lists it under &quot;Ports (COM &amp; LPT)&quot; as a COM port (&quot;USB Serial Port (COM3)&quot;). Then open the port list and choose that port.

There is no simulated adapter on Windows. This message is not shown again.</translation>
    </message>
    <message>
        <source>No USB or ACM serial adapter found, only built-in ports: plug the K-line adapter in, then open the port list</source>
        <translation>No USB or ACM serial adapter found, only built-in ports: plug the K-line adapter in, then open the port list</translation>
    </message>
    <message>
        <source>busy</source>
        <translation>busy</translation>
    </message>
    <message>
        <source>no access</source>
        <translation>no access</translation>
    </message>
    <message>
        <source>&amp;Check adapter ...</source>
        <translation>&amp;Check adapter ...</translation>
    </message>
    <message>
        <source>%1: COM1 to COM%2 are all taken</source>
        <translation>%1: COM1 to COM%2 are all taken</translation>
    </message>
    <message>
        <source>(the log file %s cannot be written: %s; the connections are kept here only)</source>
        <translation>(the log file %s cannot be written: %s; the connections are kept here only)</translation>
    </message>
    <message>
        <source>%s: %s.</source>
        <translation>%s: %s.</translation>
    </message>
    <message>
        <source>%s: not a port name: give COMn or a device path (/dev/ttyUSB0).</source>
        <translation>%s: not a port name: give COMn or a device path (/dev/ttyUSB0).</translation>
    </message>
    <message>
        <source>%s: no such port: the port map %s has no %s; link it there to the adapter&apos;s device, or remove the folder to make COMn /dev/ttyS(n-1).</source>
        <translation>%s: no such port: the port map %s has no %s; link it there to the adapter&apos;s device, or remove the folder to make COMn /dev/ttyS(n-1).</translation>
    </message>
    <message>
        <source>Only the device&apos;s owner may open it; a udev rule (GROUP=&quot;dialout&quot;, MODE=&quot;0660&quot;) lets the group dialout in.</source>
        <translation>Only the device&apos;s owner may open it; a udev rule (GROUP=&quot;dialout&quot;, MODE=&quot;0660&quot;) lets the group dialout in.</translation>
    </message>
    <message>
        <source>Your user is in the group %s, but this session began before it joined: log out and in again.</source>
        <translation>Your user is in the group %s, but this session began before it joined: log out and in again.</translation>
    </message>
    <message>
        <source>Your user may not open serial ports: add it to the group %s (sudo usermod -aG %s &quot;$USER&quot;), then log out and in again.</source>
        <translation>Your user may not open serial ports: add it to the group %s (sudo usermod -aG %s &quot;$USER&quot;), then log out and in again.</translation>
    </message>
    <message>
        <source>The device is not there: the adapter is unplugged, or the port name is wrong.</source>
        <translation>The device is not there: the adapter is unplugged, or the port name is wrong.</translation>
    </message>
    <message>
        <source>Another program holds the port (a terminal program, a modem manager, another Probex): close it and try again.</source>
        <translation>Another program holds the port (a terminal program, a modem manager, another Probex): close it and try again.</translation>
    </message>
    <message>
        <source>This is not a serial port: choose the adapter&apos;s port (/dev/ttyUSB0, /dev/ttyACM0, ...).</source>
        <translation>This is not a serial port: choose the adapter&apos;s port (/dev/ttyUSB0, /dev/ttyACM0, ...).</translation>
    </message>
    <message>
        <source>Port: %s</source>
        <translation>Port: %s</translation>
    </message>
    <message>
        <source>Adapter: %s</source>
        <translation>Adapter: %s</translation>
    </message>
    <message>
        <source>Driver: %s</source>
        <translation>Driver: %s</translation>
    </message>
    <message>
        <source>Stable name: /dev/serial/by-id/%s</source>
        <translation>Stable name: /dev/serial/by-id/%s</translation>
    </message>
    <message>
        <source>Opened: no: %s</source>
        <translation>Opened: no: %s</translation>
    </message>
    <message>
        <source>Opened: exclusively (a second open is refused)</source>
        <translation>Opened: exclusively (a second open is refused)</translation>
    </message>
    <message>
        <source>Opened: not exclusively</source>
        <translation>Opened: not exclusively</translation>
    </message>
    <message>
        <source>Latency timer: %s</source>
        <translation>Latency timer: %s</translation>
    </message>
    <message>
        <source>Wake-up format</source>
        <translation>Wake-up format</translation>
    </message>
    <message>
        <source>Frame format</source>
        <translation>Frame format</translation>
    </message>
    <message>
        <source>Verdict: %s</source>
        <translation>Verdict: %s</translation>
    </message>
    <message>
        <source>Hints:</source>
        <translation>Hints:</translation>
    </message>
    <message>
        <source>%s (%s): </source>
        <translation>%s (%s): </translation>
    </message>
    <message>
        <source>refused by the driver</source>
        <translation>refused by the driver</translation>
    </message>
    <message>
        <source>set; read back %u baud, %s
  echoes: %u of %u</source>
        <translation>set; read back %u baud, %s
  echoes: %u of %u</translation>
    </message>
    <message>
        <source> (%u sent)</source>
        <translation> (%u sent)</translation>
    </message>
    <message>
        <source>, %u changed</source>
        <translation>, %u changed</translation>
    </message>
    <message>
        <source>; round trip min %s, median %s, max %s</source>
        <translation>; round trip min %s, median %s, max %s</translation>
    </message>
    <message>
        <source>%.1f ms</source>
        <translation>%.1f ms</translation>
    </message>
    <message>
        <source>%u ms</source>
        <translation>%u ms</translation>
    </message>
    <message>
        <source>%u baud, %s</source>
        <translation>%u baud, %s</translation>
    </message>
    <message>
        <source>no parity</source>
        <translation>no parity</translation>
    </message>
    <message>
        <source>odd parity</source>
        <translation>odd parity</translation>
    </message>
    <message>
        <source>even parity</source>
        <translation>even parity</translation>
    </message>
    <message>
        <source>mark parity</source>
        <translation>mark parity</translation>
    </message>
    <message>
        <source>space parity</source>
        <translation>space parity</translation>
    </message>
    <message>
        <source>parity %u</source>
        <translation>parity %u</translation>
    </message>
    <message>
        <source>pseudo-terminal (no USB device behind it)</source>
        <translation>pseudo-terminal (no USB device behind it)</translation>
    </message>
    <message>
        <source>not a USB device</source>
        <translation>not a USB device</translation>
    </message>
    <message>
        <source>unknown to the system</source>
        <translation>unknown to the system</translation>
    </message>
    <message>
        <source>USB device</source>
        <translation>USB device</translation>
    </message>
    <message>
        <source>, USB %s:%s</source>
        <translation>, USB %s:%s</translation>
    </message>
    <message>
        <source>, serial %s</source>
        <translation>, serial %s</translation>
    </message>
    <message>
        <source>none (the driver has no latency timer)</source>
        <translation>none (the driver has no latency timer)</translation>
    </message>
    <message>
        <source>; low latency: %s</source>
        <translation>; low latency: %s</translation>
    </message>
    <message>
        <source>on</source>
        <translation>on</translation>
    </message>
    <message>
        <source>off</source>
        <translation>off</translation>
    </message>
    <message>
        <source>not offered by the driver</source>
        <translation>not offered by the driver</translation>
    </message>
    <message>
        <source>the adapter echoes at both formats.</source>
        <translation>the adapter echoes at both formats.</translation>
    </message>
    <message>
        <source>the adapter echoes, but not every byte came back as sent.</source>
        <translation>the adapter echoes, but not every byte came back as sent.</translation>
    </message>
    <message>
        <source>no echo at one format or both: the device cannot be reached through this adapter.</source>
        <translation>no echo at one format or both: the device cannot be reached through this adapter.</translation>
    </message>
    <message>
        <source>the port cannot be opened.</source>
        <translation>the port cannot be opened.</translation>
    </message>
    <message>
        <source>the check was stopped before it ended: what it found so far is incomplete</source>
        <translation>the check was stopped before it ended: what it found so far is incomplete</translation>
    </message>
    <message>
        <source>the driver refused %s: the device cannot be woken through it</source>
        <translation>the driver refused %s: the device cannot be woken through it</translation>
    </message>
    <message>
        <source>the driver refused %s: no frame can be sent through it</source>
        <translation>the driver refused %s: no frame can be sent through it</translation>
    </message>
    <message>
        <source>no echo: the adapter is not powered (it takes power from the diagnostic socket) or not a K-line adapter</source>
        <translation>no echo: the adapter is not powered (it takes power from the diagnostic socket) or not a K-line adapter</translation>
    </message>
    <message>
        <source>no echo at %s: the adapter does not pass this format on to the line</source>
        <translation>no echo at %s: the adapter does not pass this format on to the line</translation>
    </message>
    <message>
        <source>%u of %u echoes missing at %s: a loose contact or a weak supply</source>
        <translation>%u of %u echoes missing at %s: a loose contact or a weak supply</translation>
    </message>
    <message>
        <source>%u echoes came back changed at %s: a noisy line or a speed the adapter cannot make</source>
        <translation>%u echoes came back changed at %s: a noisy line or a speed the adapter cannot make</translation>
    </message>
    <message>
        <source>the driver runs %u baud instead of %u (%.1f%% off): the device may not understand it</source>
        <translation>the driver runs %u baud instead of %u (%.1f%% off): the device may not understand it</translation>
    </message>
    <message>
        <source>the driver keeps %s instead of %s: its chip cannot make this format, and the wake-up pulse comes out wrong</source>
        <translation>the driver keeps %s instead of %s: its chip cannot make this format, and the wake-up pulse comes out wrong</translation>
    </message>
    <message>
        <source>latency timer %s: every byte waits %s; a whole EEPROM takes that much longer. Set it to 1 ms: echo 1 | sudo tee %s (a udev rule keeps it across plugging in)</source>
        <translation>latency timer %s: every byte waits %s; a whole EEPROM takes that much longer. Set it to 1 ms: echo 1 | sudo tee %s (a udev rule keeps it across plugging in)</translation>
    </message>
    <message>
        <source>the port is not held exclusively: another program may write to it during a transfer</source>
        <translation>the port is not held exclusively: another program may write to it during a transfer</translation>
    </message>
    <message>
        <source>Usage:
  probex-cli id    --port NAME [--timeout SECONDS] [--last]
  probex-cli read  --port NAME [--timeout SECONDS] [--last] [--range FIRST-LAST] FILE
  probex-cli write --port NAME [--timeout SECONDS] [--last] [--range FIRST-LAST]
                   [--no-verify] [--changed-only] [--no-backup] FILE
  probex-cli compare --port NAME [--timeout SECONDS] [--last] [--range FIRST-LAST] FILE
  probex-cli backups [--port NAME [--timeout SECONDS] [--last]]
  each of them also takes [--frames [--byte-gap MS]] [--trace FILE]
  probex-cli ports
  probex-cli check --port NAME [--wake [--timeout SECONDS] [--last]]
  probex-cli diff FILE1 FILE2
  probex-cli --help | --version

Reads the ID of a ZAQ device behind a K-line adapter, or reads or writes its %2-byte
EEPROM. Every command that wakes the device prints its ID text on stdout, and checks FILE
before the device is touched. Progress (&quot;%1&quot;) goes to stderr while stderr is a
terminal.

Commands:
  id        read the device&apos;s identification only
  read      read the range into FILE. Bytes of FILE outside the range are kept; a missing
            FILE starts as %2 zero bytes. FILE is replaced, atomically, only after the
            whole range has been read: a failed read leaves it as it was. FILE must be a
            regular file that can be read and written, or missing, in a folder that takes
            new files; when FILE is a symbolic link, the link stays and its file is
            replaced.
  write     first read the device&apos;s whole EEPROM and store it as a backup (its path goes
            to stderr; the last %3 stored per device are kept under
            %4/ID/), then write the range from FILE, a
            readable regular file of exactly %2 bytes, then read the written bytes back
            in the same connection; each byte that differs is listed on stderr (&quot;0x10:
            wrote AB, read 00&quot;). A write that fails or is stopped says on stderr which
            addresses were written and which not.
  compare   read the range from the device and compare it with FILE, which must hold
            exactly %2 bytes and is left as it is; prints how many bytes differ and
            where.
  backups   list the stored backups, one file a line, oldest first per device; with
            --port only those of the device there, after reading its ID.
  ports     list the serial ports, one a line: the COM name (- where none leads to the
            device), the device path, what is behind it (USB product and maker, driver,
            /dev/serial/by-id name) and &quot;busy&quot; or &quot;no access&quot; where it cannot be opened
  check     examine the adapter without waking the device: open the port exclusively,
            set both line formats and read them back, time %5 byte echoes at each, show
            the USB identity, driver and latency timer; ends with a verdict and hints. Exit
            status 0 when the adapter echoes at both formats, 3 when it does not, 1 when
            the port cannot be opened. With --wake it then wakes the device and reads its
            ID, and the exit status is that of id.
  diff      compare two dumps of %2 bytes without a device (a dump and a backup, two
            reads); prints how many bytes differ and where. Exit status 0 when they are
            equal, 8 when they differ, 65 when a file cannot be read or is not %2 bytes
            long.

Options:
  --port NAME          COMn (through the per-user port map, as in the window
                       application) or a device path such as /dev/ttyUSB0
  --timeout SECONDS    time allowed for each answer byte, %6 to %7 (default %8)
  --frames             send each request frame in one write, then check all its echoes,
                       instead of waiting for each byte&apos;s echo before the next byte:
                       much faster through a USB adapter. The K-line allows it, but no
                       device has been seen taking it, so it is not the default
  --byte-gap MS        with --frames: MS milliseconds between two bytes, 0 to %9 (default 0)
  --last               mark the request as the last operation for the device
  --range FIRST-LAST   EEPROM addresses in hex, 00 to FF, inclusive (default 00-FF)
  --no-verify          write: do not read the written bytes back
  --changed-only       write: read the range first and write only the bytes that differ
                       from FILE; says how many were written
  --no-backup          write: store no backup first
  --wake               check: go on to wake the device and read its ID
  --trace FILE         write a trace of the connection (every byte sent with its echo,
                       every answer, how it ended) to FILE; - for stderr. FILE must be
                       a regular file or missing, and not the command&apos;s FILE (65)
  --help               show this text
  --                   end of the options: what follows is the command and FILE, even
                       when it starts with -
  --version            show the version

</source>
        <translation>Usage:
  probex-cli id    --port NAME [--timeout SECONDS] [--last]
  probex-cli read  --port NAME [--timeout SECONDS] [--last] [--range FIRST-LAST] FILE
  probex-cli write --port NAME [--timeout SECONDS] [--last] [--range FIRST-LAST]
                   [--no-verify] [--changed-only] [--no-backup] FILE
  probex-cli compare --port NAME [--timeout SECONDS] [--last] [--range FIRST-LAST] FILE
  probex-cli backups [--port NAME [--timeout SECONDS] [--last]]
  each of them also takes [--frames [--byte-gap MS]] [--trace FILE]
  probex-cli ports
  probex-cli check --port NAME [--wake [--timeout SECONDS] [--last]]
  probex-cli diff FILE1 FILE2
  probex-cli --help | --version

Reads the ID of a ZAQ device behind a K-line adapter, or reads or writes its %2-byte
EEPROM. Every command that wakes the device prints its ID text on stdout, and checks FILE
before the device is touched. Progress (&quot;%1&quot;) goes to stderr while stderr is a
terminal.

Commands:
  id        read the device&apos;s identification only
  read      read the range into FILE. Bytes of FILE outside the range are kept; a missing
            FILE starts as %2 zero bytes. FILE is replaced, atomically, only after the
            whole range has been read: a failed read leaves it as it was. FILE must be a
            regular file that can be read and written, or missing, in a folder that takes
            new files; when FILE is a symbolic link, the link stays and its file is
            replaced.
  write     first read the device&apos;s whole EEPROM and store it as a backup (its path goes
            to stderr; the last %3 stored per device are kept under
            %4/ID/), then write the range from FILE, a
            readable regular file of exactly %2 bytes, then read the written bytes back
            in the same connection; each byte that differs is listed on stderr (&quot;0x10:
            wrote AB, read 00&quot;). A write that fails or is stopped says on stderr which
            addresses were written and which not.
  compare   read the range from the device and compare it with FILE, which must hold
            exactly %2 bytes and is left as it is; prints how many bytes differ and
            where.
  backups   list the stored backups, one file a line, oldest first per device; with
            --port only those of the device there, after reading its ID.
  ports     list the serial ports, one a line: the COM name (- where none leads to the
            device), the device path, what is behind it (USB product and maker, driver,
            /dev/serial/by-id name) and &quot;busy&quot; or &quot;no access&quot; where it cannot be opened
  check     examine the adapter without waking the device: open the port exclusively,
            set both line formats and read them back, time %5 byte echoes at each, show
            the USB identity, driver and latency timer; ends with a verdict and hints. Exit
            status 0 when the adapter echoes at both formats, 3 when it does not, 1 when
            the port cannot be opened. With --wake it then wakes the device and reads its
            ID, and the exit status is that of id.
  diff      compare two dumps of %2 bytes without a device (a dump and a backup, two
            reads); prints how many bytes differ and where. Exit status 0 when they are
            equal, 8 when they differ, 65 when a file cannot be read or is not %2 bytes
            long.

Options:
  --port NAME          COMn (through the per-user port map, as in the window
                       application) or a device path such as /dev/ttyUSB0
  --timeout SECONDS    time allowed for each answer byte, %6 to %7 (default %8)
  --frames             send each request frame in one write, then check all its echoes,
                       instead of waiting for each byte&apos;s echo before the next byte:
                       much faster through a USB adapter. The K-line allows it, but no
                       device has been seen taking it, so it is not the default
  --byte-gap MS        with --frames: MS milliseconds between two bytes, 0 to %9 (default 0)
  --last               mark the request as the last operation for the device
  --range FIRST-LAST   EEPROM addresses in hex, 00 to FF, inclusive (default 00-FF)
  --no-verify          write: do not read the written bytes back
  --changed-only       write: read the range first and write only the bytes that differ
                       from FILE; says how many were written
  --no-backup          write: store no backup first
  --wake               check: go on to wake the device and read its ID
  --trace FILE         write a trace of the connection (every byte sent with its echo,
                       every answer, how it ended) to FILE; - for stderr. FILE must be
                       a regular file or missing, and not the command&apos;s FILE (65)
  --help               show this text
  --                   end of the options: what follows is the command and FILE, even
                       when it starts with -
  --version            show the version

</translation>
    </message>
    <message>
        <source>Exit status:
  0   success
</source>
        <translation>Exit status:
  0   success
</translation>
    </message>
    <message>
        <source>  8   the written bytes read back, or the compared range, differ from FILE
  9   %1
  11  %4
  64  wrong usage
  65  FILE cannot be read or written, or is not %3 bytes long (&quot;%2&quot;),
      or a write&apos;s backup could not be stored (nothing was written)
  74  the ID text, a result or the backups&apos; list could not be written to stdout, or the
      trace to its file
  130  stopped by SIGINT, SIGTERM, SIGHUP or SIGQUIT
</source>
        <translation>  8   the written bytes read back, or the compared range, differ from FILE
  9   %1
  11  %4
  64  wrong usage
  65  FILE cannot be read or written, or is not %3 bytes long (&quot;%2&quot;),
      or a write&apos;s backup could not be stored (nothing was written)
  74  the ID text, a result or the backups&apos; list could not be written to stdout, or the
      trace to its file
  130  stopped by SIGINT, SIGTERM, SIGHUP or SIGQUIT
</translation>
    </message>
    <message>
        <source>probex-cli: %s</source>
        <translation>probex-cli: %s</translation>
    </message>
    <message>
        <source>probex-cli: %s
Try &apos;probex-cli --help&apos;.</source>
        <translation>probex-cli: %s
Try &apos;probex-cli --help&apos;.</translation>
    </message>
    <message>
        <source>Device error</source>
        <translation>Device error</translation>
    </message>
    <message>
        <source>probex-cli: no serial port found</source>
        <translation>probex-cli: no serial port found</translation>
    </message>
    <message>
        <source>probex-cli: the list could not be written to standard output</source>
        <translation>probex-cli: the list could not be written to standard output</translation>
    </message>
    <message>
        <source>probex-cli: the ID text could not be written to standard output</source>
        <translation>probex-cli: the ID text could not be written to standard output</translation>
    </message>
    <message>
        <source>probex-cli: the result could not be written to standard output</source>
        <translation>probex-cli: the result could not be written to standard output</translation>
    </message>
    <message>
        <source>%s needs a value</source>
        <translation>%s needs a value</translation>
    </message>
    <message>
        <source>--range takes FIRST-LAST in hex, 00 to FF, with FIRST not above LAST</source>
        <translation>--range takes FIRST-LAST in hex, 00 to FF, with FIRST not above LAST</translation>
    </message>
    <message>
        <source>--byte-gap takes 0 to %u milliseconds</source>
        <translation>--byte-gap takes 0 to %u milliseconds</translation>
    </message>
    <message>
        <source>unknown option %s</source>
        <translation>unknown option %s</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>no command given</translation>
    </message>
    <message>
        <source>unknown command %s</source>
        <translation>unknown command %s</translation>
    </message>
    <message>
        <source>%s needs exactly one FILE</source>
        <translation>%s needs exactly one FILE</translation>
    </message>
    <message>
        <source>%s takes no FILE</source>
        <translation>%s takes no FILE</translation>
    </message>
    <message>
        <source>%s goes with write only</source>
        <translation>%s goes with write only</translation>
    </message>
    <message>
        <source>--range goes with read, write and compare only</source>
        <translation>--range goes with read, write and compare only</translation>
    </message>
    <message>
        <source>--byte-gap goes with --frames only</source>
        <translation>--byte-gap goes with --frames only</translation>
    </message>
    <message>
        <source>--wake goes with check only</source>
        <translation>--wake goes with check only</translation>
    </message>
    <message>
        <source>ports takes no --port, --timeout, --trace, --frames or --last</source>
        <translation>ports takes no --port, --timeout, --trace, --frames or --last</translation>
    </message>
    <message>
        <source>backups takes --timeout, --trace, --frames and --last only with --port</source>
        <translation>backups takes --timeout, --trace, --frames and --last only with --port</translation>
    </message>
    <message>
        <source>check takes --timeout, --trace, --frames and --last only with --wake</source>
        <translation>check takes --timeout, --trace, --frames and --last only with --wake</translation>
    </message>
    <message>
        <source>--port is required</source>
        <translation>--port is required</translation>
    </message>
    <message>
        <source>cannot read %s: %s</source>
        <translation>cannot read %s: %s</translation>
    </message>
    <message>
        <source>cannot write %s: %s</source>
        <translation>cannot write %s: %s</translation>
    </message>
    <message>
        <source>cannot replace %s: %s</source>
        <translation>cannot replace %s: %s</translation>
    </message>
    <message>
        <source>cannot write %s: no new file can be made in %s: %s</source>
        <translation>cannot write %s: no new file can be made in %s: %s</translation>
    </message>
    <message>
        <source>the current folder</source>
        <translation>the current folder</translation>
    </message>
    <message>
        <source>%s: not a regular file</source>
        <translation>%s: not a regular file</translation>
    </message>
    <message>
        <source>cannot write the trace to %s: it is FILE</source>
        <translation>cannot write the trace to %s: it is FILE</translation>
    </message>
    <message>
        <source>cannot write the trace to %s: not a regular file</source>
        <translation>cannot write the trace to %s: not a regular file</translation>
    </message>
    <message>
        <source>cannot write the trace to %s: %s</source>
        <translation>cannot write the trace to %s: %s</translation>
    </message>
    <message>
        <source>the trace could not be written to %s: %s</source>
        <translation>the trace could not be written to %s: %s</translation>
    </message>
    <message>
        <source>the opening of the port</source>
        <translation>the opening of the port</translation>
    </message>
    <message>
        <source>the wake-up pulse %d</source>
        <translation>the wake-up pulse %d</translation>
    </message>
    <message>
        <source>the connection start</source>
        <translation>the connection start</translation>
    </message>
    <message>
        <source>the identification</source>
        <translation>the identification</translation>
    </message>
    <message>
        <source>the read of 0x%02X</source>
        <translation>the read of 0x%02X</translation>
    </message>
    <message>
        <source>step %d of 4 of the write of 0x%02X</source>
        <translation>step %d of 4 of the write of 0x%02X</translation>
    </message>
    <message>
        <source>the connection stop</source>
        <translation>the connection stop</translation>
    </message>
    <message>
        <source>the trailer</source>
        <translation>the trailer</translation>
    </message>
    <message>
        <source>the backup&apos;s read of 0x%02X</source>
        <translation>the backup&apos;s read of 0x%02X</translation>
    </message>
    <message>
        <source>the verify&apos;s read of 0x%02X</source>
        <translation>the verify&apos;s read of 0x%02X</translation>
    </message>
    <message>
        <source>the read of 0x%02X that finds the changed bytes</source>
        <translation>the read of 0x%02X that finds the changed bytes</translation>
    </message>
    <message>
        <source>byte %d sent in %s</source>
        <translation>byte %d sent in %s</translation>
    </message>
    <message>
        <source>byte %d of the answer in %s</source>
        <translation>byte %d of the answer in %s</translation>
    </message>
    <message>
        <source>Waited %.1f s for the echo of %s; it did not come.</source>
        <translation>Waited %.1f s for the echo of %s; it did not come.</translation>
    </message>
    <message>
        <source>The adapter had echoed %u byte%s of this connection before it.</source>
        <translation>The adapter had echoed %u byte%s of this connection before it.</translation>
    </message>
    <message>
        <source>Nothing was echoed in this connection.</source>
        <translation>Nothing was echoed in this connection.</translation>
    </message>
    <message>
        <source>The port went away at %s (%s): the adapter was unplugged or its connection to the computer broke.</source>
        <translation>The port went away at %s (%s): the adapter was unplugged or its connection to the computer broke.</translation>
    </message>
    <message>
        <source>The echo of %s came back changed.</source>
        <translation>The echo of %s came back changed.</translation>
    </message>
    <message>
        <source>Waited %.1f s for %s; it did not come.</source>
        <translation>Waited %.1f s for %s; it did not come.</translation>
    </message>
    <message>
        <source>The answer in %s had a wrong checksum.</source>
        <translation>The answer in %s had a wrong checksum.</translation>
    </message>
    <message>
        <source>The device refused %s.</source>
        <translation>The device refused %s.</translation>
    </message>
    <message>
        <source>The answer in %s was too short.</source>
        <translation>The answer in %s was too short.</translation>
    </message>
    <message>
        <source>It happened in %s.</source>
        <translation>It happened in %s.</translation>
    </message>
    <message>
        <source>The answer in %s was the answer to another request.</source>
        <translation>The answer in %s was the answer to another request.</translation>
    </message>
    <message>
        <source>Mark the bytes of the dump that differ from a file
Compare with file</source>
        <translation>Mark the bytes of the dump that differ from a file
Compare with file</translation>
    </message>
    <message>
        <source>Compare with file</source>
        <translation>Compare with file</translation>
    </message>
    <message>
        <source>%s now leads to %s, not to %s as when it was chosen</source>
        <translation>%s now leads to %s, not to %s as when it was chosen</translation>
    </message>
    <message>
        <source>%s leads to no device now; it led to %s when it was chosen</source>
        <translation>%s leads to no device now; it led to %s when it was chosen</translation>
    </message>
    <message>
        <source>Go on with %s all the same?</source>
        <translation>Go on with %s all the same?</translation>
    </message>
    <message>
        <source>Waking the device</source>
        <translation>Waking the device</translation>
    </message>
    <message>
        <source>dump.bin</source>
        <translation>dump.bin</translation>
    </message>
    <message>
        <source>Dumps (*.bin);;All Files (*.*)</source>
        <translation>Dumps (*.bin);;All Files (*.*)</translation>
    </message>
    <message>
        <source>Compared with %s: %s</source>
        <translation>Compared with %s: %s</translation>
    </message>
    <message>
        <source>diff needs exactly two files, FILE1 and FILE2</source>
        <translation>diff needs exactly two files, FILE1 and FILE2</translation>
    </message>
    <message>
        <source>diff takes no options</source>
        <translation>diff takes no options</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>not a regular file</translation>
    </message>
    <message>
        <source>a symbolic link, which is not followed</source>
        <translation>a symbolic link, which is not followed</translation>
    </message>
    <message>
        <source>%s is given more than once</source>
        <translation>%s is given more than once</translation>
    </message>
    <message>
        <source>Start a simulated adapter with a ZAQ device behind it, on a copy of the demonstration EEPROM image
Start simulator</source>
        <translation>Start a simulated adapter with a ZAQ device behind it, on a copy of the demonstration EEPROM image
Start simulator</translation>
    </message>
    <message>
        <source>&amp;Start simulator</source>
        <translation>&amp;Start simulator</translation>
    </message>
    <message>
        <source>%1 is a simulated adapter and ZAQ device, its EEPROM image %2</source>
        <translation>%1 is a simulated adapter and ZAQ device, its EEPROM image %2</translation>
    </message>
</context>
<context>
    <name>dumpedit::CDumpEdit</name>
    <message>
        <source>Nothing pasted: the bytes on the clipboard are damaged</source>
        <translation>Nothing pasted: the bytes on the clipboard are damaged</translation>
    </message>
    <message>
        <source>Nothing pasted: the clipboard holds no bytes</source>
        <translation>Nothing pasted: the clipboard holds no bytes</translation>
    </message>
    <message>
        <source>Nothing pasted: &quot;%1&quot; is not bytes in hex, such as 3F A0 1B</source>
        <translation>Nothing pasted: &quot;%1&quot; is not bytes in hex, such as 3F A0 1B</translation>
    </message>
    <message>
        <source>Pasted %1 of %2 bytes: the dump ends at %3</source>
        <translation>Pasted %1 of %2 bytes: the dump ends at %3</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>Go to address</source>
        <translation>Go to address</translation>
    </message>
    <message>
        <source>Address (hex, %1):</source>
        <translation>Address (hex, %1):</translation>
    </message>
    <message>
        <source>No address %1 in %2</source>
        <translation>No address %1 in %2</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>Bytes in hex (3F A0 1B) or text:</source>
        <translation>Bytes in hex (3F A0 1B) or text:</translation>
    </message>
    <message>
        <source>Nothing to find in &quot;%1&quot;</source>
        <translation>Nothing to find in &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Not found</translation>
    </message>
    <message>
        <source>Addr</source>
        <translation>Addr</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Value</translation>
    </message>
</context>
</TS>
