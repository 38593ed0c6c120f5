<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>StrToInt</name>
    <message>
        <source>%1 is not a valid integer value</source>
        <translation>%1 не является допустимым целым числом</translation>
    </message>
    <message>
        <source>the number is empty</source>
        <translation>число не введено</translation>
    </message>
    <message>
        <source>%1 is out of range: whole numbers run from %2 to %3</source>
        <translation>%1 вне допустимого диапазона: целые числа от %2 до %3</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Row %1, column %2 (%3)</source>
        <translation>Строка %1, столбец %2 (%3)</translation>
    </message>
    <message>
        <source>%1 is %2 characters long; at most %3 fit.</source>
        <translation>%1 — %2 симв.; помещается не более %3.</translation>
    </message>
    <message>
        <source>Clear the list</source>
        <translation>очистку списка</translation>
    </message>
    <message>
        <source>Accept the edits</source>
        <translation>принятие правок</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>добавление</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>удаление</translation>
    </message>
    <message>
        <source>%1 holds %2 (%3), which cannot be stored. Latin and Cyrillic letters, digits and common signs can.</source>
        <translation>%1 содержит символ %2 (%3), который нельзя сохранить. Можно вводить латинские и кириллические буквы, цифры и обычные знаки.</translation>
    </message>
    <message numerus="yes">
        <source>%n cells cannot be accepted:</source>
        <translation>
            <numerusform>Нельзя принять %n ячейку:</numerusform>
            <numerusform>Нельзя принять %n ячейки:</numerusform>
            <numerusform>Нельзя принять %n ячеек:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %n more.</source>
        <translation>
            <numerusform>и ещё %n.</numerusform>
            <numerusform>и ещё %n.</numerusform>
            <numerusform>и ещё %n.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 holds the control character %2, which cannot be stored. Type letters, digits and signs only.</source>
        <translation>%1 содержит управляющий символ %2, который нельзя сохранить. Вводите только буквы, цифры и знаки.</translation>
    </message>
    <message>
        <source>not accepted yet; the list holds %1</source>
        <translation>ещё не принято; в списке — %1</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>ничего</translation>
    </message>
    <message>
        <source>typed into the last row, which accept does not add</source>
        <translation>введено в последнюю строку, которую принятие не добавляет</translation>
    </message>
    <message>
        <source>a blank row, which accept refuses: fill it in, or take it out</source>
        <translation>пустая строка, которую принятие отклонит: заполните её или уберите</translation>
    </message>
    <message>
        <source>a new row, not in the list yet</source>
        <translation>новая строка, которой ещё нет в списке</translation>
    </message>
    <message>
        <source>Row %1 is blank: fill it in, or take it out with Delete Rows.</source>
        <translation>Строка %1 пуста: заполните её или уберите командой «Удалить строки».</translation>
    </message>
    <message numerus="yes">
        <source>%n blank rows cannot be accepted:</source>
        <translation>
            <numerusform>Нельзя принять %n пустую строку:</numerusform>
            <numerusform>Нельзя принять %n пустые строки:</numerusform>
            <numerusform>Нельзя принять %n пустых строк:</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and %2 cannot be accepted:</source>
        <translation>Нельзя принять %1 и %2:</translation>
    </message>
    <message>
        <source>1 cell</source>
        <translation>1 ячейку</translation>
    </message>
    <message numerus="yes">
        <source>%n cells</source>
        <translation>
            <numerusform>%n ячейку</numerusform>
            <numerusform>%n ячейки</numerusform>
            <numerusform>%n ячеек</numerusform>
        </translation>
    </message>
    <message>
        <source>1 blank row</source>
        <translation>1 пустую строку</translation>
    </message>
    <message numerus="yes">
        <source>%n blank rows</source>
        <translation>
            <numerusform>%n пустую строку</numerusform>
            <numerusform>%n пустые строки</numerusform>
            <numerusform>%n пустых строк</numerusform>
        </translation>
    </message>
    <message>
        <source>The rows are sorted.</source>
        <translation>Строки отсортированы.</translation>
    </message>
    <message>
        <source>1 row inserted.</source>
        <translation>Вставлена 1 строка.</translation>
    </message>
    <message numerus="yes">
        <source>%n rows inserted.</source>
        <translation>
            <numerusform>Вставлена %n строка.</numerusform>
            <numerusform>Вставлены %n строки.</numerusform>
            <numerusform>Вставлено %n строк.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 row deleted.</source>
        <translation>Удалена 1 строка.</translation>
    </message>
    <message numerus="yes">
        <source>%n rows deleted.</source>
        <translation>
            <numerusform>Удалена %n строка.</numerusform>
            <numerusform>Удалены %n строки.</numerusform>
            <numerusform>Удалено %n строк.</numerusform>
        </translation>
    </message>
    <message>
        <source>Added %1 at place %2.</source>
        <translation>Добавлено %1 на место %2.</translation>
    </message>
    <message>
        <source>No entry matches: nothing is removed.</source>
        <translation>Подходящей записи нет: ничего не удалено.</translation>
    </message>
    <message>
        <source>Removed %1 from place %2.</source>
        <translation>Удалено %1 с места %2.</translation>
    </message>
    <message>
        <source>The list is cleared.</source>
        <translation>Список очищен.</translation>
    </message>
    <message>
        <source>The edits are accepted: the list holds 1 entry.</source>
        <translation>Правки приняты: в списке 1 запись.</translation>
    </message>
    <message numerus="yes">
        <source>The edits are accepted: the list holds %n entries.</source>
        <translation>
            <numerusform>Правки приняты: в списке %n запись.</numerusform>
            <numerusform>Правки приняты: в списке %n записи.</numerusform>
            <numerusform>Правки приняты: в списке %n записей.</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>О&amp;тменить %1</translation>
    </message>
    <message>
        <source>R&amp;edo %1</source>
        <translation>&amp;Повторить %1</translation>
    </message>
</context>
<context>
    <name>grid</name>
    <message>
        <source>Edit a cell</source>
        <translation>правку ячейки</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Вырезать</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Копировать</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Вст&amp;авить</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Удалить</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Вы&amp;делить всё</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>вырезание</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>удаление</translation>
    </message>
    <message>
        <source>The clipboard holds %1; pasted from row %2 they would make %3 entry rows, and the table holds at most %4.</source>
        <translation>В буфере обмена %1; вставленные со строки %2, они дали бы строк с записями: %3, а в таблице их может быть не больше %4.</translation>
    </message>
    <message>
        <source>1 line</source>
        <translation>1 строка</translation>
    </message>
    <message numerus="yes">
        <source>%Ln lines</source>
        <translation>
            <numerusform>%Ln строка</numerusform>
            <numerusform>%Ln строки</numerusform>
            <numerusform>%Ln строк</numerusform>
        </translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>вставку</translation>
    </message>
    <message>
        <source>&amp;Insert Rows Above</source>
        <translation>Вставить стр&amp;оки выше</translation>
    </message>
    <message>
        <source>Delete &amp;Rows</source>
        <translation>Удалить ст&amp;роки</translation>
    </message>
    <message>
        <source>Delete Rows</source>
        <translation>удаление строк</translation>
    </message>
    <message>
        <source>%1 more would make %2 entry rows, and the table holds at most %3.</source>
        <translation>Ещё %1 — вместе строк с записями было бы %2, а в таблице их может быть не больше %3.</translation>
    </message>
    <message>
        <source>1 row</source>
        <translation>1 строка</translation>
    </message>
    <message numerus="yes">
        <source>%Ln rows</source>
        <translation>
            <numerusform>%Ln строка</numerusform>
            <numerusform>%Ln строки</numerusform>
            <numerusform>%Ln строк</numerusform>
        </translation>
    </message>
    <message>
        <source>Insert Rows</source>
        <translation>вставку строк</translation>
    </message>
    <message>
        <source>Sort by %1</source>
        <translation>сортировку по %1</translation>
    </message>
    <message>
        <source>&amp;Sort by %1, Ascending</source>
        <translation>&amp;Сортировать по %1, по возрастанию</translation>
    </message>
    <message>
        <source>S&amp;ort by %1, Descending</source>
        <translation>Сортировать по %1, по у&amp;быванию</translation>
    </message>
    <message>
        <source>&amp;Sort Ascending</source>
        <translation>&amp;Сортировать по возрастанию</translation>
    </message>
    <message>
        <source>S&amp;ort Descending</source>
        <translation>Сортировать по у&amp;быванию</translation>
    </message>
    <message>
        <source>Line %1 of the clipboard holds %2 cells, but only %3 fit from column %4 to %5.</source>
        <translation>Строка %1 буфера обмена содержит ячеек: %2, а от столбца %4 до %5 помещается только %3.</translation>
    </message>
    <message>
        <source>the row for a new entry</source>
        <translation>строка для новой записи</translation>
    </message>
    <message>
        <source>%1, row %2: %3</source>
        <translation>%1, строка %2: %3</translation>
    </message>
</context>
<context>
    <name>platform</name>
    <message>
        <source>Out of memory: the command was not carried out.</source>
        <translation>Недостаточно памяти: команда не выполнена.</translation>
    </message>
    <message>
        <source>The command failed with an unknown error.</source>
        <translation>Команда не выполнена из-за неизвестной ошибки.</translation>
    </message>
</context>
</TS>
