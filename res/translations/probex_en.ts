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
Reads and writes the EEPROM of a ZAQ device through a K-line adapter.

  FILE        a 256-byte dump to open at start
  -h, --help  print this help and exit
</source>
        <translation>Usage: probex [FILE]
Reads and writes the EEPROM of a ZAQ device through a K-line adapter.

  FILE        a 256-byte dump to open at start
  -h, --help  print this help and exit
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
</context>
</TS>
