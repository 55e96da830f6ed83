<?xml version="1.0" encoding="utf-8"?>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="ru">
<context>
    <name>res</name>
    <message>
        <source>Probex
No file
Probex


Probex.Document
Probex.Document</source>
        <extracomment>Shown as it is in Russian.</extracomment>
        <translation>Probex
No file
Probex


Probex.Document
Probex.Document</translation>
    </message>
    <message>
        <source>Read every written byte back and compare it with the dump
Verify after write</source>
        <translation>Читать каждый записанный байт обратно и сравнивать его с дампом
Проверять запись</translation>
    </message>
    <message>
        <source>Write only the bytes that differ from the device&apos;s
Write only changed bytes</source>
        <translation>Записывать только байты, которые отличаются от байтов устройства
Писать только изменённые</translation>
    </message>
    <message>
        <source>Show the trace of the last connections
Connection log</source>
        <translation>Показать протокол последних соединений
Журнал соединений</translation>
    </message>
    <message>
        <source>Send each request frame at once and check its echoes after it: much faster through a USB adapter
Send whole frames</source>
        <translation>Посылать каждый кадр запроса целиком и проверять эхо после него: через USB-адаптер намного быстрее
Посылать кадры целиком</translation>
    </message>
    <message>
        <source>Open a backup of a device&apos;s EEPROM as a new dump
Restore from backup</source>
        <translation>Открыть резервную копию EEPROM устройства как новый дамп
Восстановить из резервной копии</translation>
    </message>
    <message>
        <source>Store the device&apos;s whole EEPROM before the first write to it in this run
Backup before write</source>
        <translation>Сохранять всю EEPROM устройства перед первой записью в него за этот запуск
Резервная копия перед записью</translation>
    </message>
    <message>
        <source>Move the caret to a byte given by its address
Go to</source>
        <translation>Перевести курсор на байт по его адресу
Перейти к адресу</translation>
    </message>
    <message>
        <source>Probex</source>
        <extracomment>Shown as it is in Russian.</extracomment>
        <translation>Probex</translation>
    </message>
    <message>
        <source>Ready</source>
        <extracomment>Shown as it is in Russian.</extracomment>
        <translation>Ready</translation>
    </message>
    <message>
        <source>Create a new dump
New</source>
        <extracomment>Shown as it is in Russian.</extracomment>
        <translation>Create a new dump
New</translation>
    </message>
    <message>
        <source>Open an existing dump
Open</source>
        <extracomment>Shown as it is in Russian.</extracomment>
        <translation>Open an existing dump
Open</translation>
    </message>
    <message>
        <source>Save the active dump
Save</source>
        <extracomment>Shown as it is in Russian.</extracomment>
        <translation>Save the active dump
Save</translation>
    </message>
    <message>
        <source>Save the active dump with a new name
Save As</source>
        <extracomment>Shown as it is in Russian.</extracomment>
        <translation>Save the active dump with a new name
Save As</translation>
    </message>
    <message>
        <source>Copy the selected bytes to the clipboard
Copy</source>
        <translation>Копировать выделенные байты в буфер обмена
Копировать</translation>
    </message>
    <message>
        <source>Find bytes given in hex or as text
Find</source>
        <translation>Найти байты, заданные в hex или текстом
Найти</translation>
    </message>
    <message>
        <source>Put the clipboard&apos;s bytes over the dump from the caret on
Paste</source>
        <translation>Вставить байты из буфера обмена поверх дампа, начиная с курсора
Вставить</translation>
    </message>
    <message>
        <source>Find the next place of the same bytes
Find next</source>
        <translation>Найти следующее место с теми же байтами
Найти далее</translation>
    </message>
    <message>
        <source>Select the whole dump
Select all</source>
        <translation>Выделить весь дамп
Выделить всё</translation>
    </message>
    <message>
        <source>Undo the last change
Undo</source>
        <translation>Отменить последнее изменение
Отменить</translation>
    </message>
    <message>
        <source>Redo the change last undone
Redo</source>
        <translation>Повторить последнее отменённое изменение
Повторить</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <extracomment>Shown as it is in Russian.</extracomment>
        <translation>Display program information, version number and copyright
About</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents
Exit</source>
        <extracomment>Shown as it is in Russian.</extracomment>
        <translation>Quit the application; prompts to save documents
Exit</translation>
    </message>
    <message>
        <source>CAP</source>
        <extracomment>Shown as it is in Russian.</extracomment>
        <translation>CAP</translation>
    </message>
    <message>
        <source>NUM</source>
        <extracomment>Shown as it is in Russian.</extracomment>
        <translation>NUM</translation>
    </message>
    <message>
        <source>SCRL</source>
        <extracomment>Shown as it is in Russian.</extracomment>
        <translation>SCRL</translation>
    </message>
    <message>
        <source>Show or hide the toolbar
Toggle ToolBar</source>
        <extracomment>Shown as it is in Russian.</extracomment>
        <translation>Show or hide the toolbar
Toggle ToolBar</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle StatusBar</source>
        <extracomment>Shown as it is in Russian.</extracomment>
        <translation>Show or hide the status bar
Toggle StatusBar</translation>
    </message>
    <message>
        <source>Progress</source>
        <extracomment>Shown as it is in Russian.</extracomment>
        <translation>Progress</translation>
    </message>
    <message>
        <source>%d%% complete</source>
        <extracomment>Shown as it is in Russian.</extracomment>
        <translation>%d%% complete</translation>
    </message>
    <message>
        <source>Unable to open COM-port</source>
        <extracomment>Shown as it is in Russian.</extracomment>
        <translation>Unable to open COM-port</translation>
    </message>
    <message>
        <source>Device answer timeout</source>
        <extracomment>Shown as it is in Russian.</extracomment>
        <translation>Device answer timeout</translation>
    </message>
    <message>
        <source>K-line adapter not present or power off or invalid COM port</source>
        <extracomment>Shown as it is in Russian.</extracomment>
        <translation>K-line adapter not present or power off or invalid COM port</translation>
    </message>
    <message>
        <source>Receive check sum error</source>
        <extracomment>Shown as it is in Russian.</extracomment>
        <translation>Receive check sum error</translation>
    </message>
    <message>
        <source>EEPROM range %02X - %02X will be read.
Are you sure?</source>
        <extracomment>Shown as it is in Russian.</extracomment>
        <translation>EEPROM range %02X - %02X will be read.
Are you sure?</translation>
    </message>
    <message>
        <source>EEPROM range %02X - %02X will be overwrite.
Are you sure?</source>
        <extracomment>Shown as it is in Russian.</extracomment>
        <translation>EEPROM range %02X - %02X will be overwrite.
Are you sure?</translation>
    </message>
    <message>
        <source>This is a last operation?</source>
        <extracomment>Shown as it is in Russian.</extracomment>
        <translation>This is a last operation?</translation>
    </message>
    <message>
        <source>Wrong file size!</source>
        <extracomment>Shown as it is in Russian.</extracomment>
        <translation>Wrong file size!</translation>
    </message>
    <message>
        <source>EEPROM ID will be read.
Are you sure?</source>
        <extracomment>Shown as it is in Russian.</extracomment>
        <translation>EEPROM ID will be read.
Are you sure?</translation>
    </message>
    <message>
        <source>Device refused the request (code %02X)</source>
        <translation>Устройство отклонило запрос (код %02X)</translation>
    </message>
    <message>
        <source>K-line error: a sent byte came back changed</source>
        <translation>Ошибка K-line: отправленный байт вернулся изменённым</translation>
    </message>
    <message>
        <source>Stopped; the device connection was closed cleanly</source>
        <translation>Остановлено; соединение с устройством закрыто корректно</translation>
    </message>
    <message>
        <source>Device answer too short</source>
        <translation>Ответ устройства слишком короткий</translation>
    </message>
    <message>
        <source>EEPROM range %02X - %02X will be compared with the dump.
Are you sure?</source>
        <translation>Диапазон EEPROM %02X - %02X будет сравнён с дампом.
Продолжить?</translation>
    </message>
    <message>
        <source>Bytes of %02X - %02X that differ from the device will be written.
Are you sure?</source>
        <translation>Будут записаны байты %02X - %02X, которые отличаются от устройства.
Продолжить?</translation>
    </message>
    <message>
        <source>ID read in %.1f s</source>
        <translation>ID прочитан за %.1f с</translation>
    </message>
    <message>
        <source>Read %u byte%s in %.1f s</source>
        <translation>Прочитано байт: %u%.0s за %.1f с</translation>
    </message>
    <message>
        <source>Wrote %u byte%s in %.1f s</source>
        <translation>Записано байт: %u%.0s за %.1f с</translation>
    </message>
    <message>
        <source>Failed after %.1f s</source>
        <translation>Сбой через %.1f с</translation>
    </message>
    <message>
        <source>No byte was written.</source>
        <translation>Ни один байт не записан.</translation>
    </message>
    <message>
        <source>Bytes %02X - %02X were written, %02X - %02X were not.</source>
        <translation>Байты %02X - %02X записаны, %02X - %02X — нет.</translation>
    </message>
    <message>
        <source>No byte was read; the dump keeps its values.</source>
        <translation>Ни один байт не прочитан; дамп сохранил свои значения.</translation>
    </message>
    <message>
        <source>Bytes %02X - %02X were read, %02X - %02X keep their values.</source>
        <translation>Байты %02X - %02X прочитаны, %02X - %02X сохранили свои значения.</translation>
    </message>
    <message>
        <source>Stopped after %.1f s</source>
        <translation>Остановлено через %.1f с</translation>
    </message>
    <message>
        <source>Bytes %s were written, %s were not.</source>
        <translation>Байты %s записаны, %s — нет.</translation>
    </message>
    <message>
        <source>Bytes %s were written; reading them back did not finish.</source>
        <translation>Байты %s записаны; обратное чтение не завершилось.</translation>
    </message>
    <message>
        <source>0x%02X: wrote %02X, read %02X</source>
        <translation>0x%02X: записано %02X, прочитано %02X</translation>
    </message>
    <message>
        <source>%u bytes differ: %s</source>
        <translation>Различаются байты (%u): %s</translation>
    </message>
    <message>
        <source>1 byte differs: %s</source>
        <translation>Различается 1 байт: %s</translation>
    </message>
    <message>
        <source>No byte differs (%u compared)</source>
        <translation>Различий нет (сравнено байт: %u)</translation>
    </message>
    <message>
        <source>Wrote %u of %u bytes; the others already held the dump&apos;s values</source>
        <translation>Записано байт: %u из %u; остальные уже совпадали с дампом</translation>
    </message>
    <message>
        <source>Bytes %s were written.</source>
        <translation>Байты %s записаны.</translation>
    </message>
    <message>
        <source>Bytes %s were not written.</source>
        <translation>Байты %s не записаны.</translation>
    </message>
    <message>
        <source>Byte %s may or may not have been written.</source>
        <translation>Неизвестно, записан ли байт %s.</translation>
    </message>
    <message>
        <source>Written and verified: %s (%.1f s)</source>
        <translation>Записано и проверено: %s (%.1f с)</translation>
    </message>
    <message>
        <source>Wrote %u changed byte%s of %u (%.1f s)</source>
        <translation>Записано изменённых байт: %u%.0s из %u (%.1f с)</translation>
    </message>
    <message>
        <source>Wrote and verified %u changed byte%s of %u (%.1f s)</source>
        <translation>Записано и проверено изменённых байт: %u%.0s из %u (%.1f с)</translation>
    </message>
    <message>
        <source>Verify after write found %u byte%s different from the dump:</source>
        <translation>Проверка после записи нашла байты, которые отличаются от дампа (%u%.0s):</translation>
    </message>
    <message>
        <source>... and %u more.</source>
        <translation>... и ещё %u.</translation>
    </message>
    <message>
        <source>%s - %.1f s</source>
        <translation>%s - %.1f с</translation>
    </message>
    <message>
        <source>Verify: %u byte%s differ%s: %s (%.1f s)</source>
        <translation>Проверка: различаются байты (%u%.0s%.0s): %s (%.1f с)</translation>
    </message>
    <message>
        <source>Reading %d %%</source>
        <translation>Чтение %d %%</translation>
    </message>
    <message>
        <source>Writing %d %%</source>
        <translation>Запись %d %%</translation>
    </message>
    <message>
        <source>Verifying %d %%</source>
        <translation>Проверка %d %%</translation>
    </message>
    <message>
        <source>Reading the device first %d %%</source>
        <translation>Предварительное чтение устройства %d %%</translation>
    </message>
    <message>
        <source>Comparing %d %%</source>
        <translation>Сравнение %d %%</translation>
    </message>
    <message>
        <source>%s at 0x%02X after %.1f s</source>
        <translation>%s на 0x%02X через %.1f с</translation>
    </message>
    <message>
        <source>%s after %.1f s</source>
        <translation>%s через %.1f с</translation>
    </message>
    <message>
        <source>Stopped after %.1f s. %s</source>
        <translation>Остановлено через %.1f с. %s</translation>
    </message>
    <message>
        <source>Bytes %s were compared: %s</source>
        <translation>Сравнены байты %s: %s</translation>
    </message>
    <message>
        <source>No byte was compared.</source>
        <translation>Ни один байт не сравнён.</translation>
    </message>
    <message>
        <source>Nothing was written: the EEPROM backup could not be stored</source>
        <translation>Ничего не записано: не удалось сохранить резервную копию EEPROM</translation>
    </message>
    <message>
        <source>Backup: %s</source>
        <translation>Резервная копия: %s</translation>
    </message>
    <message>
        <source>Backup not stored: %s</source>
        <translation>Резервная копия не сохранена: %s</translation>
    </message>
    <message>
        <source>%s, without a backup</source>
        <translation>%s, без резервной копии</translation>
    </message>
    <message>
        <source>Backing up %d %%</source>
        <translation>Резервное копирование %d %%</translation>
    </message>
    <message>
        <source>Restore from backup</source>
        <translation>Восстановление из резервной копии</translation>
    </message>
    <message>
        <source>EEPROM backups (*.bin);;All Files (*.*)</source>
        <translation>Резервные копии EEPROM (*.bin);;All Files (*.*)</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <extracomment>Shown as it is in Russian.</extracomment>
        <translation>Save changes to %1?</translation>
    </message>
    <message>
        <source>Failed to open document.</source>
        <extracomment>Shown as it is in Russian.</extracomment>
        <translation>Failed to open document.</translation>
    </message>
    <message>
        <source>Failed to save document.</source>
        <extracomment>Shown as it is in Russian.</extracomment>
        <translation>Failed to save document.</translation>
    </message>
    <message>
        <source>Failed to create empty document.</source>
        <extracomment>Shown as it is in Russian.</extracomment>
        <translation>Failed to create empty document.</translation>
    </message>
    <message>
        <source>Please enter a positive integer.</source>
        <extracomment>Shown as it is in Russian.</extracomment>
        <translation>Please enter a positive integer.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <extracomment>Shown as it is in Russian.</extracomment>
        <translation>Please enter an integer between %1 and %2.</translation>
    </message>
    <message>
        <source>A device operation is running.
Please wait until it ends.</source>
        <translation>Идёт операция с устройством.
Дождитесь её окончания.</translation>
    </message>
    <message>
        <source>Open</source>
        <extracomment>Shown as it is in Russian.</extracomment>
        <translation>Open</translation>
    </message>
    <message>
        <source>Save As</source>
        <extracomment>Shown as it is in Russian.</extracomment>
        <translation>Save As</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <extracomment>Shown as it is in Russian.</extracomment>
        <translation>All Files (*.*)</translation>
    </message>
    <message>
        <source>Failed to open %1: %2.</source>
        <translation>Не удалось открыть %1: %2.</translation>
    </message>
    <message>
        <source>Failed to save %1: %2.</source>
        <translation>Не удалось сохранить %1: %2.</translation>
    </message>
    <message>
        <source>A device operation is running. Stop it and close?</source>
        <translation>Идёт операция с устройством. Остановить её и закрыть окно?</translation>
    </message>
    <message>
        <source>Connection log</source>
        <translation>Журнал соединений</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>Save...</source>
        <translation>Сохранить...</translation>
    </message>
    <message>
        <source>Usage: probex [FILE]
       probex --version
Reads and writes the EEPROM of a ZAQ device through a K-line adapter.

  FILE           a 256-byte dump to open at start
  -h, --help     print this help and exit
      --version  print the version, the copyright and the licence, and exit
</source>
        <translation>Использование: probex [ФАЙЛ]
               probex --version
Читает и записывает EEPROM устройства ZAQ через адаптер K-line.

  ФАЙЛ           дамп на 256 байт, который открывается при запуске
  -h, --help     показать эту справку и выйти
      --version  показать версию, авторские права и лицензию и выйти
</translation>
    </message>
    <message>
        <source>probex: unknown option %s
Try &apos;probex --help&apos;.
</source>
        <translation>probex: неизвестный параметр %s
См. &apos;probex --help&apos;.
</translation>
    </message>
    <message>
        <source>probex: one FILE only; %s is one too many
Try &apos;probex --help&apos;.
</source>
        <translation>probex: можно указать только один ФАЙЛ; %s лишний
См. &apos;probex --help&apos;.
</translation>
    </message>
    <message>
        <source>%1 holds %2 byte%3; a dump holds %4.</source>
        <translation>В %1 байт: %2, а в дампе — %4.</translation>
    </message>
    <message>
        <source>&amp;Фаил</source>
        <extracomment>Shown as it is in Russian.</extracomment>
        <translation>&amp;Фаил</translation>
    </message>
    <message>
        <source>&amp;New	Ctrl+N</source>
        <extracomment>Shown as it is in Russian.</extracomment>
        <translation>&amp;New	Ctrl+N</translation>
    </message>
    <message>
        <source>&amp;Open...	Ctrl+O</source>
        <extracomment>Shown as it is in Russian.</extracomment>
        <translation>&amp;Open...	Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Save	Ctrl+S</source>
        <extracomment>Shown as it is in Russian.</extracomment>
        <translation>&amp;Save	Ctrl+S</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <extracomment>Shown as it is in Russian.</extracomment>
        <translation>Save &amp;As...</translation>
    </message>
    <message>
        <source>Restore from &amp;backup...</source>
        <translation>Восстановить из &amp;резервной копии...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <extracomment>Shown as it is in Russian.</extracomment>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>&amp;Правка</source>
        <extracomment>Shown as it is in Russian.</extracomment>
        <translation>&amp;Правка</translation>
    </message>
    <message>
        <source>&amp;Отменить	Ctrl+Z</source>
        <extracomment>Shown as it is in Russian.</extracomment>
        <translation>&amp;Отменить	Ctrl+Z</translation>
    </message>
    <message>
        <source>&amp;Повторить	Ctrl+Y</source>
        <extracomment>Shown as it is in Russian.</extracomment>
        <translation>&amp;Повторить	Ctrl+Y</translation>
    </message>
    <message>
        <source>&amp;Копировать	Ctrl+C</source>
        <extracomment>Shown as it is in Russian.</extracomment>
        <translation>&amp;Копировать	Ctrl+C</translation>
    </message>
    <message>
        <source>Вст&amp;авить	Ctrl+V</source>
        <extracomment>Shown as it is in Russian.</extracomment>
        <translation>Вст&amp;авить	Ctrl+V</translation>
    </message>
    <message>
        <source>Выделить &amp;всё	Ctrl+A</source>
        <extracomment>Shown as it is in Russian.</extracomment>
        <translation>Выделить &amp;всё	Ctrl+A</translation>
    </message>
    <message>
        <source>&amp;Найти...	Ctrl+F</source>
        <extracomment>Shown as it is in Russian.</extracomment>
        <translation>&amp;Найти...	Ctrl+F</translation>
    </message>
    <message>
        <source>Найти &amp;далее	F3</source>
        <extracomment>Shown as it is in Russian.</extracomment>
        <translation>Найти &amp;далее	F3</translation>
    </message>
    <message>
        <source>Пере&amp;йти к адресу...	Ctrl+G</source>
        <extracomment>Shown as it is in Russian.</extracomment>
        <translation>Пере&amp;йти к адресу...	Ctrl+G</translation>
    </message>
    <message>
        <source>&amp;Вид</source>
        <extracomment>Shown as it is in Russian.</extracomment>
        <translation>&amp;Вид</translation>
    </message>
    <message>
        <source>&amp;Панель</source>
        <extracomment>Shown as it is in Russian.</extracomment>
        <translation>&amp;Панель</translation>
    </message>
    <message>
        <source>&amp;Статус</source>
        <extracomment>Shown as it is in Russian.</extracomment>
        <translation>&amp;Статус</translation>
    </message>
    <message>
        <source>&amp;Проверять запись</source>
        <extracomment>Shown as it is in Russian.</extracomment>
        <translation>&amp;Проверять запись</translation>
    </message>
    <message>
        <source>Писать только &amp;изменённые</source>
        <extracomment>Shown as it is in Russian.</extracomment>
        <translation>Писать только &amp;изменённые</translation>
    </message>
    <message>
        <source>&amp;Резервная копия перед записью</source>
        <extracomment>Shown as it is in Russian.</extracomment>
        <translation>&amp;Резервная копия перед записью</translation>
    </message>
    <message>
        <source>Посылать &amp;кадры целиком</source>
        <extracomment>Shown as it is in Russian.</extracomment>
        <translation>Посылать &amp;кадры целиком</translation>
    </message>
    <message>
        <source>&amp;Журнал соединений</source>
        <extracomment>Shown as it is in Russian.</extracomment>
        <translation>&amp;Журнал соединений</translation>
    </message>
    <message>
        <source>&amp;Инфо</source>
        <extracomment>Shown as it is in Russian.</extracomment>
        <translation>&amp;Инфо</translation>
    </message>
    <message>
        <source>&amp;О читалке...</source>
        <extracomment>Shown as it is in Russian.</extracomment>
        <translation>&amp;О читалке...</translation>
    </message>
    <message>
        <source>Buffer control</source>
        <extracomment>Shown as it is in Russian.</extracomment>
        <translation>Buffer control</translation>
    </message>
    <message>
        <source>Чтение ID</source>
        <extracomment>Shown as it is in Russian.</extracomment>
        <translation>Чтение ID</translation>
    </message>
    <message>
        <source>Чтение</source>
        <extracomment>Shown as it is in Russian.</extracomment>
        <translation>Чтение</translation>
    </message>
    <message>
        <source>Запись</source>
        <extracomment>Shown as it is in Russian.</extracomment>
        <translation>Запись</translation>
    </message>
    <message>
        <source>Таймаут, S</source>
        <extracomment>Shown as it is in Russian.</extracomment>
        <translation>Таймаут, S</translation>
    </message>
    <message>
        <source>Сравнение</source>
        <extracomment>Shown as it is in Russian.</extracomment>
        <translation>Сравнение</translation>
    </message>
    <message>
        <source>Стоп</source>
        <extracomment>Shown as it is in Russian.</extracomment>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Инфо</source>
        <extracomment>Shown as it is in Russian.</extracomment>
        <translation>Инфо</translation>
    </message>
    <message>
        <source>Reader ZAQ for K-L adapter</source>
        <extracomment>Shown as it is in Russian.</extracomment>
        <translation>Reader ZAQ for K-L adapter</translation>
    </message>
    <message>
        <source>Version 1.5</source>
        <extracomment>Shown as it is in Russian.</extracomment>
        <translation>Version 1.5</translation>
    </message>
    <message>
        <source>ВЫход</source>
        <extracomment>Shown as it is in Russian.</extracomment>
        <translation>ВЫход</translation>
    </message>
    <message>
        <source>Examine the K-line adapter on the chosen port without waking the device
Check adapter</source>
        <translation>Проверить адаптер K-line на выбранном порту, не пробуждая устройство
Проверить адаптер</translation>
    </message>
    <message>
        <source>Adapter check</source>
        <translation>Проверка адаптера</translation>
    </message>
    <message>
        <source>Checking the adapter on %1 ...</source>
        <translation>Проверка адаптера на %1 ...</translation>
    </message>
    <message>
        <source>No serial port found: plug the K-line adapter in, then open the port list</source>
        <translation>Последовательный порт не найден: подключите адаптер K-line, затем откройте список портов</translation>
    </message>
    <message>
        <source>No serial adapter found. Start a simulated adapter with a ZAQ device behind it, holding a demonstration EEPROM image, to try the program?

It stops when the window closes. This question is not asked again.</source>
        <translation>Последовательный адаптер не найден. Запустить имитацию адаптера с устройством ZAQ, в EEPROM которого демонстрационный образ, чтобы опробовать программу?

Имитация остановится, когда окно закроется. Больше этот вопрос не задаётся.</translation>
    </message>
    <message>
        <source>No serial adapter found. Plug the K-line adapter into a USB port: once its driver is installed, Device Manager lists it under &quot;Ports (COM &amp; LPT)&quot; as a COM port (&quot;USB Serial Port (COM3)&quot;). Then open the port list and choose that port.

There is no simulated adapter on Windows. This message is not shown again.</source>
        <translation>Последовательный адаптер не найден. Подключите адаптер K-line к порту USB: когда его драйвер установлен, Диспетчер устройств показывает его в разделе «Порты (COM и LPT)» как COM-порт («USB Serial Port (COM3)»). Затем откройте список портов и выберите этот порт.

Имитации адаптера под Windows нет. Больше это сообщение не показывается.</translation>
    </message>
    <message>
        <source>No serial adapter found: %1 is a simulated adapter and ZAQ device, its EEPROM image %2</source>
        <translation>Последовательный адаптер не найден: %1 — имитация адаптера и устройства ZAQ, образ EEPROM %2</translation>
    </message>
    <message>
        <source>The simulated adapter did not start: %1</source>
        <translation>Имитация адаптера не запустилась: %1</translation>
    </message>
    <message>
        <source>No USB or ACM serial adapter found, only built-in ports: plug the K-line adapter in, then open the port list</source>
        <translation>Последовательный адаптер USB или ACM не найден, есть только встроенные порты: подключите адаптер K-line, затем откройте список портов</translation>
    </message>
    <message>
        <source>busy</source>
        <translation>занят</translation>
    </message>
    <message>
        <source>no access</source>
        <translation>нет доступа</translation>
    </message>
    <message>
        <source>&amp;Check adapter ...</source>
        <translation>&amp;Проверить адаптер ...</translation>
    </message>
    <message>
        <source>%1: COM1 to COM%2 are all taken</source>
        <translation>%1: все имена от COM1 до COM%2 заняты</translation>
    </message>
    <message>
        <source>(the log file %s cannot be written: %s; the connections are kept here only)</source>
        <translation>(в файл журнала %s нельзя записать: %s; соединения хранятся только здесь)</translation>
    </message>
    <message>
        <source>%s: %s.</source>
        <translation>%s: %s.</translation>
    </message>
    <message>
        <source>%s: not a port name: give COMn or a device path (/dev/ttyUSB0).</source>
        <translation>%s: это не имя порта: укажите COMn или путь к устройству (/dev/ttyUSB0).</translation>
    </message>
    <message>
        <source>%s: no such port: the port map %s has no %s; link it there to the adapter&apos;s device, or remove the folder to make COMn /dev/ttyS(n-1).</source>
        <translation>%s: такого порта нет: в карте портов %s нет %s; создайте там ссылку на устройство адаптера или удалите эту папку, чтобы COMn означал /dev/ttyS(n-1).</translation>
    </message>
    <message>
        <source>Only the device&apos;s owner may open it; a udev rule (GROUP=&quot;dialout&quot;, MODE=&quot;0660&quot;) lets the group dialout in.</source>
        <translation>Открыть устройство может только его владелец; правило udev (GROUP=&quot;dialout&quot;, MODE=&quot;0660&quot;) откроет доступ группе dialout.</translation>
    </message>
    <message>
        <source>Your user is in the group %s, but this session began before it joined: log out and in again.</source>
        <translation>Ваш пользователь входит в группу %s, но этот сеанс начат раньше, чем он в неё вошёл: выйдите из системы и войдите снова.</translation>
    </message>
    <message>
        <source>Your user may not open serial ports: add it to the group %s (sudo usermod -aG %s &quot;$USER&quot;), then log out and in again.</source>
        <translation>Вашему пользователю нельзя открывать последовательные порты: добавьте его в группу %s (sudo usermod -aG %s &quot;$USER&quot;), затем выйдите из системы и войдите снова.</translation>
    </message>
    <message>
        <source>The device is not there: the adapter is unplugged, or the port name is wrong.</source>
        <translation>Устройства нет: адаптер отключён или имя порта неверно.</translation>
    </message>
    <message>
        <source>Another program holds the port (a terminal program, a modem manager, another Probex): close it and try again.</source>
        <translation>Порт занят другой программой (терминальной программой, диспетчером модемов, другим Probex): закройте её и повторите попытку.</translation>
    </message>
    <message>
        <source>This is not a serial port: choose the adapter&apos;s port (/dev/ttyUSB0, /dev/ttyACM0, ...).</source>
        <translation>Это не последовательный порт: выберите порт адаптера (/dev/ttyUSB0, /dev/ttyACM0, ...).</translation>
    </message>
    <message>
        <source>Port: %s</source>
        <translation>Порт: %s</translation>
    </message>
    <message>
        <source>Adapter: %s</source>
        <translation>Адаптер: %s</translation>
    </message>
    <message>
        <source>Driver: %s</source>
        <translation>Драйвер: %s</translation>
    </message>
    <message>
        <source>Stable name: /dev/serial/by-id/%s</source>
        <translation>Постоянное имя: /dev/serial/by-id/%s</translation>
    </message>
    <message>
        <source>Opened: no: %s</source>
        <translation>Открыт: нет: %s</translation>
    </message>
    <message>
        <source>Opened: exclusively (a second open is refused)</source>
        <translation>Открыт: монопольно (повторное открытие отклоняется)</translation>
    </message>
    <message>
        <source>Opened: not exclusively</source>
        <translation>Открыт: не монопольно</translation>
    </message>
    <message>
        <source>Latency timer: %s</source>
        <translation>Таймер задержки: %s</translation>
    </message>
    <message>
        <source>Wake-up format</source>
        <translation>Формат пробуждения</translation>
    </message>
    <message>
        <source>Frame format</source>
        <translation>Формат кадров</translation>
    </message>
    <message>
        <source>Verdict: %s</source>
        <translation>Итог: %s</translation>
    </message>
    <message>
        <source>Hints:</source>
        <translation>Советы:</translation>
    </message>
    <message>
        <source>%s (%s): </source>
        <translation>%s (%s): </translation>
    </message>
    <message>
        <source>refused by the driver</source>
        <translation>отклонён драйвером</translation>
    </message>
    <message>
        <source>set; read back %u baud, %s
  echoes: %u of %u</source>
        <translation>установлен; прочитано обратно: %u бод, %s
  эхо: %u из %u</translation>
    </message>
    <message>
        <source> (%u sent)</source>
        <translation> (отправлено %u)</translation>
    </message>
    <message>
        <source>, %u changed</source>
        <translation>, изменено %u</translation>
    </message>
    <message>
        <source>; round trip min %s, median %s, max %s</source>
        <translation>; время оборота: мин. %s, медиана %s, макс. %s</translation>
    </message>
    <message>
        <source>%.1f ms</source>
        <translation>%.1f мс</translation>
    </message>
    <message>
        <source>%u ms</source>
        <translation>%u мс</translation>
    </message>
    <message>
        <source>%u baud, %s</source>
        <translation>%u бод, %s</translation>
    </message>
    <message>
        <source>no parity</source>
        <translation>без контроля чётности</translation>
    </message>
    <message>
        <source>odd parity</source>
        <translation>контроль нечётности</translation>
    </message>
    <message>
        <source>even parity</source>
        <translation>контроль чётности</translation>
    </message>
    <message>
        <source>mark parity</source>
        <translation>бит чётности всегда 1 (mark)</translation>
    </message>
    <message>
        <source>space parity</source>
        <translation>бит чётности всегда 0 (space)</translation>
    </message>
    <message>
        <source>parity %u</source>
        <translation>чётность %u</translation>
    </message>
    <message>
        <source>pseudo-terminal (no USB device behind it)</source>
        <translation>псевдотерминал (за ним нет USB-устройства)</translation>
    </message>
    <message>
        <source>not a USB device</source>
        <translation>не USB-устройство</translation>
    </message>
    <message>
        <source>unknown to the system</source>
        <translation>неизвестно системе</translation>
    </message>
    <message>
        <source>USB device</source>
        <translation>USB-устройство</translation>
    </message>
    <message>
        <source>, USB %s:%s</source>
        <translation>, USB %s:%s</translation>
    </message>
    <message>
        <source>, serial %s</source>
        <translation>, серийный номер %s</translation>
    </message>
    <message>
        <source>none (the driver has no latency timer)</source>
        <translation>нет (у драйвера нет таймера задержки)</translation>
    </message>
    <message>
        <source>; low latency: %s</source>
        <translation>; низкая задержка: %s</translation>
    </message>
    <message>
        <source>on</source>
        <translation>вкл.</translation>
    </message>
    <message>
        <source>off</source>
        <translation>выкл.</translation>
    </message>
    <message>
        <source>not offered by the driver</source>
        <translation>драйвер её не предлагает</translation>
    </message>
    <message>
        <source>the adapter echoes at both formats.</source>
        <translation>адаптер отвечает эхом в обоих форматах.</translation>
    </message>
    <message>
        <source>the adapter echoes, but not every byte came back as sent.</source>
        <translation>адаптер отвечает эхом, но не каждый байт вернулся таким, каким был отправлен.</translation>
    </message>
    <message>
        <source>no echo at one format or both: the device cannot be reached through this adapter.</source>
        <translation>нет эха в одном формате или в обоих: через этот адаптер устройство недоступно.</translation>
    </message>
    <message>
        <source>the port cannot be opened.</source>
        <translation>порт не открывается.</translation>
    </message>
    <message>
        <source>the check was stopped before it ended: what it found so far is incomplete</source>
        <translation>проверка остановлена до конца: найденное к этому моменту неполно</translation>
    </message>
    <message>
        <source>the driver refused %s: the device cannot be woken through it</source>
        <translation>драйвер отклонил %s: через него устройство не пробудить</translation>
    </message>
    <message>
        <source>the driver refused %s: no frame can be sent through it</source>
        <translation>драйвер отклонил %s: через него не отправить ни одного кадра</translation>
    </message>
    <message>
        <source>no echo: the adapter is not powered (it takes power from the diagnostic socket) or not a K-line adapter</source>
        <translation>нет эха: на адаптер не подано питание (он питается от диагностического разъёма) или это не адаптер K-line</translation>
    </message>
    <message>
        <source>no echo at %s: the adapter does not pass this format on to the line</source>
        <translation>нет эха при %s: адаптер не передаёт этот формат в линию</translation>
    </message>
    <message>
        <source>%u of %u echoes missing at %s: a loose contact or a weak supply</source>
        <translation>нет %u из %u эхо-байтов при %s: плохой контакт или слабое питание</translation>
    </message>
    <message>
        <source>%u echoes came back changed at %s: a noisy line or a speed the adapter cannot make</source>
        <translation>изменённых эхо-байтов: %u при %s: помехи на линии или скорость, недоступная адаптеру</translation>
    </message>
    <message>
        <source>the driver runs %u baud instead of %u (%.1f%% off): the device may not understand it</source>
        <translation>драйвер работает на %u бод вместо %u (отклонение %.1f%%): устройство может его не понять</translation>
    </message>
    <message>
        <source>the driver keeps %s instead of %s: its chip cannot make this format, and the wake-up pulse comes out wrong</source>
        <translation>драйвер оставляет %s вместо %s: его микросхема не умеет этот формат, и импульс пробуждения получается неверным</translation>
    </message>
    <message>
        <source>latency timer %s: every byte waits %s; a whole EEPROM takes that much longer. Set it to 1 ms: echo 1 | sudo tee %s (a udev rule keeps it across plugging in)</source>
        <translation>таймер задержки %s: каждый байт ждёт %s; на всю EEPROM уходит соответственно больше времени. Установите 1 мс: echo 1 | sudo tee %s (правило udev сохранит это при повторном подключении)</translation>
    </message>
    <message>
        <source>the port is not held exclusively: another program may write to it during a transfer</source>
        <translation>порт открыт не монопольно: другая программа может писать в него во время обмена</translation>
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
        <translation>Использование:
  probex-cli id    --port ИМЯ [--timeout СЕКУНДЫ] [--last]
  probex-cli read  --port ИМЯ [--timeout СЕКУНДЫ] [--last] [--range ПЕРВЫЙ-ПОСЛЕДНИЙ] ФАЙЛ
  probex-cli write --port ИМЯ [--timeout СЕКУНДЫ] [--last] [--range ПЕРВЫЙ-ПОСЛЕДНИЙ]
                   [--no-verify] [--changed-only] [--no-backup] ФАЙЛ
  probex-cli compare --port ИМЯ [--timeout СЕКУНДЫ] [--last] [--range ПЕРВЫЙ-ПОСЛЕДНИЙ] ФАЙЛ
  probex-cli backups [--port ИМЯ [--timeout СЕКУНДЫ] [--last]]
  каждая из них принимает также [--frames [--byte-gap МС]] [--trace ФАЙЛ]
  probex-cli ports
  probex-cli check --port ИМЯ [--wake [--timeout СЕКУНДЫ] [--last]]
  probex-cli diff ФАЙЛ1 ФАЙЛ2
  probex-cli --help | --version

Читает ID устройства ZAQ за адаптером K-line, читает или записывает его EEPROM
на %2 байт. Каждая команда, которая пробуждает устройство, выводит его текст ID в stdout
и проверяет ФАЙЛ до обращения к устройству. Ход работы (&quot;%1&quot;) выводится в stderr,
пока stderr — терминал.

Команды:
  id        прочитать только идентификацию устройства
  read      прочитать диапазон в ФАЙЛ. Байты ФАЙЛА вне диапазона сохраняются; отсутствующий
            ФАЙЛ начинается как %2 нулевых байтов. ФАЙЛ заменяется атомарно и только
            после чтения всего диапазона: неудачное чтение оставляет его прежним. ФАЙЛ
            должен быть обычным файлом, доступным для чтения и записи, или отсутствовать,
            в папке, где можно создавать файлы; если ФАЙЛ — символическая ссылка, ссылка
            остаётся, а заменяется её файл.
  write     сначала прочитать всю EEPROM устройства и сохранить её как резервную копию
            (путь к ней выводится в stderr; для каждого устройства хранятся %3 последних
            сохранённых, в %4/ID/), затем записать диапазон из ФАЙЛА, обычного файла
            ровно в %2 байт, доступного для чтения, затем прочитать записанные байты обратно
            в том же соединении; каждый отличающийся байт выводится в stderr (&quot;0x10:
            записано AB, прочитано 00&quot;). Неудачная или остановленная запись сообщает
            в stderr, какие адреса записаны, а какие нет.
  compare   прочитать диапазон из устройства и сравнить его с ФАЙЛОМ, который должен
            содержать ровно %2 байт и остаётся как есть; выводит, сколько байтов
            различается и где.
  backups   перечислить сохранённые резервные копии, по файлу на строку, для каждого
            устройства от старых к новым; с --port — только копии устройства на этом
            порту, после чтения его ID.
  ports     перечислить последовательные порты, по одному на строку: имя COM (-, если
            ни одно не ведёт к устройству), путь к устройству, что за ним (изделие и
            производитель USB, драйвер, имя в /dev/serial/by-id) и &quot;busy&quot; или &quot;no access&quot;,
            если порт нельзя открыть
  check     проверить адаптер, не пробуждая устройство: открыть порт монопольно,
            установить оба формата линии и прочитать их обратно, замерить по %5 эхо-байтов
            в каждом, показать USB-идентификацию, драйвер и таймер задержки; в конце итог
            и советы. Код возврата 0, если адаптер отвечает эхом в обоих форматах, 3, если
            нет, 1, если порт не открывается. С --wake затем пробуждает устройство и
            читает его ID, и код возврата — как у id.
  diff      сравнить два дампа по %2 байт без устройства (дамп и резервную копию, два
            чтения); выводит, сколько байтов различается и где. Код возврата 0, если они
            совпадают, 8, если различаются, 65, если файл нельзя прочитать или его длина
            не %2 байт.

Параметры:
  --port ИМЯ           COMn (через карту портов пользователя, как в оконном
                       приложении) или путь к устройству, например /dev/ttyUSB0
  --timeout СЕКУНДЫ    время ожидания каждого байта ответа, от %6 до %7 (по умолчанию %8)
  --frames             посылать каждый кадр запроса одной записью, затем проверять всё его
                       эхо, а не ждать эха каждого байта перед следующим: намного
                       быстрее через USB-адаптер. K-line это допускает, но ни одно
                       устройство пока не было замечено за приёмом таких кадров,
                       поэтому по умолчанию это выключено
  --byte-gap МС        с --frames: МС миллисекунд между двумя байтами, от 0 до %9 (по умолчанию 0)
  --last               пометить запрос как последнюю операцию для устройства
  --range ПЕРВЫЙ-ПОСЛЕДНИЙ
                       адреса EEPROM в hex, от 00 до FF включительно (по умолчанию 00-FF)
  --no-verify          write: не читать записанные байты обратно
  --changed-only       write: сначала прочитать диапазон и записать только байты,
                       отличающиеся от ФАЙЛА; сообщает, сколько записано
  --no-backup          write: не сохранять резервную копию перед записью
  --wake               check: затем пробудить устройство и прочитать его ID
  --trace ФАЙЛ         записать протокол соединения (каждый отправленный байт с его эхом,
                       каждый ответ, чем оно закончилось) в ФАЙЛ; - означает stderr. ФАЙЛ
                       должен быть обычным файлом или отсутствовать и не быть ФАЙЛОМ
                       команды (65)
  --help               показать эту справку
  --                   конец параметров: дальше идут команда и ФАЙЛ, даже если они
                       начинаются с -
  --version            показать версию

</translation>
    </message>
    <message>
        <source>Exit status:
  0   success
</source>
        <translation>Код возврата:
  0   успех
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
        <translation>  8   записанные байты при обратном чтении или сравниваемый диапазон отличаются от ФАЙЛА
  9   %1
  11  %4
  64  неверный вызов
  65  ФАЙЛ нельзя прочитать или записать, или его длина не %3 байт (&quot;%2&quot;),
      или не удалось сохранить резервную копию перед записью (ничего не записано)
  74  текст ID, результат или список резервных копий не удалось вывести в stdout,
      или протокол в его файл
  130  остановлено сигналом SIGINT, SIGTERM, SIGHUP или SIGQUIT
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
См. &apos;probex-cli --help&apos;.</translation>
    </message>
    <message>
        <source>Device error</source>
        <translation>Ошибка устройства</translation>
    </message>
    <message>
        <source>probex-cli: no serial port found</source>
        <translation>probex-cli: последовательный порт не найден</translation>
    </message>
    <message>
        <source>probex-cli: the list could not be written to standard output</source>
        <translation>probex-cli: список не удалось вывести в стандартный вывод</translation>
    </message>
    <message>
        <source>probex-cli: the ID text could not be written to standard output</source>
        <translation>probex-cli: текст ID не удалось вывести в стандартный вывод</translation>
    </message>
    <message>
        <source>probex-cli: the result could not be written to standard output</source>
        <translation>probex-cli: результат не удалось вывести в стандартный вывод</translation>
    </message>
    <message>
        <source>%s needs a value</source>
        <translation>%s требует значения</translation>
    </message>
    <message>
        <source>--range takes FIRST-LAST in hex, 00 to FF, with FIRST not above LAST</source>
        <translation>--range принимает ПЕРВЫЙ-ПОСЛЕДНИЙ в hex, от 00 до FF, причём ПЕРВЫЙ не больше ПОСЛЕДНЕГО</translation>
    </message>
    <message>
        <source>--byte-gap takes 0 to %u milliseconds</source>
        <translation>--byte-gap принимает от 0 до %u миллисекунд</translation>
    </message>
    <message>
        <source>unknown option %s</source>
        <translation>неизвестный параметр %s</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>команда не указана</translation>
    </message>
    <message>
        <source>unknown command %s</source>
        <translation>неизвестная команда %s</translation>
    </message>
    <message>
        <source>%s needs exactly one FILE</source>
        <translation>%s требует ровно один ФАЙЛ</translation>
    </message>
    <message>
        <source>%s takes no FILE</source>
        <translation>%s не принимает ФАЙЛ</translation>
    </message>
    <message>
        <source>%s goes with write only</source>
        <translation>%s применим только с write</translation>
    </message>
    <message>
        <source>--range goes with read, write and compare only</source>
        <translation>--range применим только с read, write и compare</translation>
    </message>
    <message>
        <source>--byte-gap goes with --frames only</source>
        <translation>--byte-gap применим только с --frames</translation>
    </message>
    <message>
        <source>--wake goes with check only</source>
        <translation>--wake применим только с check</translation>
    </message>
    <message>
        <source>ports takes no --port, --timeout, --trace, --frames or --last</source>
        <translation>ports не принимает --port, --timeout, --trace, --frames и --last</translation>
    </message>
    <message>
        <source>backups takes --timeout, --trace, --frames and --last only with --port</source>
        <translation>backups принимает --timeout, --trace, --frames и --last только вместе с --port</translation>
    </message>
    <message>
        <source>check takes --timeout, --trace, --frames and --last only with --wake</source>
        <translation>check принимает --timeout, --trace, --frames и --last только вместе с --wake</translation>
    </message>
    <message>
        <source>--port is required</source>
        <translation>нужен --port</translation>
    </message>
    <message>
        <source>cannot read %s: %s</source>
        <translation>не удалось прочитать %s: %s</translation>
    </message>
    <message>
        <source>cannot write %s: %s</source>
        <translation>не удалось записать %s: %s</translation>
    </message>
    <message>
        <source>cannot replace %s: %s</source>
        <translation>не удалось заменить %s: %s</translation>
    </message>
    <message>
        <source>cannot write %s: no new file can be made in %s: %s</source>
        <translation>не удалось записать %s: новый файл нельзя создать в %s: %s</translation>
    </message>
    <message>
        <source>the current folder</source>
        <translation>текущей папке</translation>
    </message>
    <message>
        <source>%s: not a regular file</source>
        <translation>%s: не обычный файл</translation>
    </message>
    <message>
        <source>cannot write the trace to %s: it is FILE</source>
        <translation>не удалось записать протокол в %s: это ФАЙЛ команды</translation>
    </message>
    <message>
        <source>cannot write the trace to %s: not a regular file</source>
        <translation>не удалось записать протокол в %s: это не обычный файл</translation>
    </message>
    <message>
        <source>cannot write the trace to %s: %s</source>
        <translation>не удалось записать протокол в %s: %s</translation>
    </message>
    <message>
        <source>the trace could not be written to %s: %s</source>
        <translation>протокол не удалось записать в %s: %s</translation>
    </message>
    <message>
        <source>Device answered another request</source>
        <extracomment>Shown as it is in Russian.</extracomment>
        <translation>Device answered another request</translation>
    </message>
    <message>
        <source>set; the driver tells nothing back
  echoes: %u of %u</source>
        <translation>установлен; драйвер ничего не сообщает обратно
  эхо: %u из %u</translation>
    </message>
    <message>
        <source>Read back: the driver&apos;s record of each format; it shows what the driver made of the request, not whether a USB adapter&apos;s chip took it (a refusal shows in the kernel log, and as echoes missing or changed)</source>
        <translation>Прочитано обратно — то, что драйвер записал о каждом формате: это показывает, как драйвер понял запрос, но не то, принял ли его микросхема USB-адаптера (отказ виден в журнале ядра, а также по пропавшему или изменённому эху)</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>не обычный файл</translation>
    </message>
    <message>
        <source>a symbolic link, which is not followed</source>
        <translation>символическая ссылка, по которой не переходят</translation>
    </message>
    <message>
        <source>%s is given more than once</source>
        <translation>%s указан более одного раза</translation>
    </message>
    <message>
        <source>the opening of the port</source>
        <translation>открытия порта</translation>
    </message>
    <message>
        <source>the wake-up pulse %d</source>
        <translation>импульса пробуждения %d</translation>
    </message>
    <message>
        <source>the connection start</source>
        <translation>начала соединения</translation>
    </message>
    <message>
        <source>the identification</source>
        <translation>идентификации</translation>
    </message>
    <message>
        <source>the read of 0x%02X</source>
        <translation>чтения 0x%02X</translation>
    </message>
    <message>
        <source>step %d of 4 of the write of 0x%02X</source>
        <translation>шага %d из 4 записи 0x%02X</translation>
    </message>
    <message>
        <source>the connection stop</source>
        <translation>завершения соединения</translation>
    </message>
    <message>
        <source>the trailer</source>
        <translation>завершающей посылки</translation>
    </message>
    <message>
        <source>the backup&apos;s read of 0x%02X</source>
        <translation>чтения 0x%02X для резервной копии</translation>
    </message>
    <message>
        <source>the verify&apos;s read of 0x%02X</source>
        <translation>проверочного чтения 0x%02X</translation>
    </message>
    <message>
        <source>the read of 0x%02X that finds the changed bytes</source>
        <translation>чтения 0x%02X для поиска изменённых байтов</translation>
    </message>
    <message>
        <source>byte %d sent in %s</source>
        <translation>байта %d, отправленного в ходе %s</translation>
    </message>
    <message>
        <source>byte %d of the answer in %s</source>
        <translation>байта %d ответа в ходе %s</translation>
    </message>
    <message>
        <source>Waited %.1f s for the echo of %s; it did not come.</source>
        <translation>Ждали %.1f с эха %s; оно не пришло.</translation>
    </message>
    <message>
        <source>The adapter had echoed %u byte%s of this connection before it.</source>
        <translation>До этого адаптер вернул в этом соединении эхо байтов: %u%.0s.</translation>
    </message>
    <message>
        <source>Nothing was echoed in this connection.</source>
        <translation>В этом соединении эха не было ни разу.</translation>
    </message>
    <message>
        <source>The port went away at %s (%s): the adapter was unplugged or its connection to the computer broke.</source>
        <translation>Порт пропал во время %s (%s): адаптер отключили или прервалась его связь с компьютером.</translation>
    </message>
    <message>
        <source>The echo of %s came back changed.</source>
        <translation>Изменённым вернулось эхо %s.</translation>
    </message>
    <message>
        <source>Waited %.1f s for %s; it did not come.</source>
        <translation>Ждали %.1f с %s; он не пришёл.</translation>
    </message>
    <message>
        <source>The answer in %s had a wrong checksum.</source>
        <translation>Ответ в ходе %s пришёл с неверной контрольной суммой.</translation>
    </message>
    <message>
        <source>The device refused %s.</source>
        <translation>Устройство ответило отказом в ходе %s.</translation>
    </message>
    <message>
        <source>The answer in %s was too short.</source>
        <translation>Ответ в ходе %s оказался слишком коротким.</translation>
    </message>
    <message>
        <source>It happened in %s.</source>
        <translation>Это случилось в ходе %s.</translation>
    </message>
    <message>
        <source>The answer in %s was the answer to another request.</source>
        <translation>Ответ в ходе %s был ответом на другой запрос.</translation>
    </message>
    <message>
        <source>Mark the bytes of the dump that differ from a file
Compare with file</source>
        <translation>Отметить байты дампа, которые отличаются от файла
Сравнить с файлом</translation>
    </message>
    <message>
        <source>Compare with file</source>
        <translation>Сравнение с файлом</translation>
    </message>
    <message>
        <source>Dumps (*.bin);;All Files (*.*)</source>
        <translation>Дампы (*.bin);;All Files (*.*)</translation>
    </message>
    <message>
        <source>Compared with %s: %s</source>
        <translation>Сравнение с %s: %s</translation>
    </message>
    <message>
        <source>diff needs exactly two files, FILE1 and FILE2</source>
        <translation>diff требует ровно два файла, ФАЙЛ1 и ФАЙЛ2</translation>
    </message>
    <message>
        <source>diff takes no options</source>
        <translation>diff не принимает параметров</translation>
    </message>
    <message>
        <source>%s now leads to %s, not to %s as when it was chosen</source>
        <translation>%s теперь ведёт к %s, а не к %s, как при выборе</translation>
    </message>
    <message>
        <source>%s leads to no device now; it led to %s when it was chosen</source>
        <translation>%s теперь не ведёт ни к какому устройству; при выборе вёл к %s</translation>
    </message>
    <message>
        <source>Go on with %s all the same?</source>
        <translation>Всё равно продолжить с %s?</translation>
    </message>
    <message>
        <source>Waking the device</source>
        <translation>Пробуждение устройства</translation>
    </message>
    <message>
        <source>dump.bin</source>
        <translation>dump.bin</translation>
    </message>
    <message>
        <source>Start a simulated adapter with a ZAQ device behind it, on a copy of the demonstration EEPROM image
Start simulator</source>
        <translation>Запустить имитацию адаптера с устройством ZAQ на копии демонстрационного образа EEPROM
Запустить имитатор</translation>
    </message>
    <message>
        <source>&amp;Start simulator</source>
        <translation>&amp;Запустить имитатор</translation>
    </message>
    <message>
        <source>%1 is a simulated adapter and ZAQ device, its EEPROM image %2</source>
        <translation>%1 — имитация адаптера и устройства ZAQ, образ EEPROM %2</translation>
    </message>
    <message>
        <source>Compare with &amp;file...</source>
        <translation>Сравнить с &amp;файлом...</translation>
    </message>
</context>
<context>
    <name>dumpedit::CDumpEdit</name>
    <message>
        <source>Nothing pasted: the bytes on the clipboard are damaged</source>
        <translation>Ничего не вставлено: байты в буфере обмена повреждены</translation>
    </message>
    <message>
        <source>Nothing pasted: the clipboard holds no bytes</source>
        <translation>Ничего не вставлено: в буфере обмена нет байтов</translation>
    </message>
    <message>
        <source>Nothing pasted: &quot;%1&quot; is not bytes in hex, such as 3F A0 1B</source>
        <translation>Ничего не вставлено: &quot;%1&quot; — не байты в hex, такие как 3F A0 1B</translation>
    </message>
    <message>
        <source>Pasted %1 of %2 bytes: the dump ends at %3</source>
        <translation>Вставлено байт: %1 из %2: дамп кончается на %3</translation>
    </message>
    <message>
        <source>Copy</source>
        <extracomment>Shown as it is in Russian.</extracomment>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Paste</source>
        <extracomment>Shown as it is in Russian.</extracomment>
        <translation>Paste</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Отменить</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Повторить</translation>
    </message>
    <message>
        <source>Go to address</source>
        <translation>Переход к адресу</translation>
    </message>
    <message>
        <source>Address (hex, %1):</source>
        <translation>Адрес (hex, %1):</translation>
    </message>
    <message>
        <source>No address %1 in %2</source>
        <translation>Адреса %1 нет в %2</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Поиск</translation>
    </message>
    <message>
        <source>Bytes in hex (3F A0 1B) or text:</source>
        <translation>Байты в hex (3F A0 1B) или текст:</translation>
    </message>
    <message>
        <source>Nothing to find in &quot;%1&quot;</source>
        <translation>В &quot;%1&quot; нечего искать</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Не найдено</translation>
    </message>
    <message>
        <source>Addr</source>
        <translation>Адрес</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Байт</translation>
    </message>
</context>
</TS>
