<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>Autostart</name>
    <message>
        <source>Unable to delete &quot;%1&quot;</source>
        <translation>「%1」を削除できません</translation>
    </message>
</context>
<context>
    <name>ReadRegularFile</name>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>ファイル「%1」を開けません。%2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is too large: %2 bytes or more, at most %3 are read</source>
        <translation>「%1」は大きすぎます: %2 バイト以上あります (読み込むのは最大 %3 バイトです)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a regular file</source>
        <translation>「%1」は通常のファイルではありません</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Unable to open &quot;%1&quot; for write</source>
        <translation>「%1」を書き込み用に開けません</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; is not a text file Vorkel Clocks can read, so your settings could not be used. It was copied to &quot;%2&quot; before being written anew.</source>
        <translation>設定ファイル「%1」は Vorkel Clocks が読み取れるテキスト ファイルではないため、設定を使用できませんでした。このファイルは書き直す前に「%2」にコピーされました。</translation>
    </message>
</context>
<context>
    <name>SoundMessageDlg</name>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>情報</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>確認</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>About Vorkel Clocks</source>
        <translation>Vorkel Clocks について</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <translation>バージョン: %1</translation>
    </message>
    <message>
        <source>Copyright © 2026 %1</source>
        <translation>Copyright © 2026 %1</translation>
    </message>
    <message>
        <source>All rights reserved.</source>
        <translation>All rights reserved.</translation>
    </message>
    <message>
        <source>Send feedback</source>
        <translation>フィードバックを送信</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>閉じる(&amp;C)</translation>
    </message>
</context>
<context>
    <name>TAboutPage</name>
    <message>
        <source>unknown</source>
        <translation>不明</translation>
    </message>
</context>
<context>
    <name>TAlarm</name>
    <message>
        <source>The alarm time for %1 has passed!
</source>
        <translation>%1 のアラーム時刻を過ぎました。
</translation>
    </message>
    <message>
        <source>This is your Vorkel Clocks alarm!

</source>
        <translation>Vorkel Clocks のアラームです。

</translation>
    </message>
    <message>
        <source>The time in %1 is now %2.</source>
        <translation>%1 の現在時刻は %2 です。</translation>
    </message>
    <message>
        <source>Alarm – %1</source>
        <translation>アラーム – %1</translation>
    </message>
</context>
<context>
    <name>TAlarmBox</name>
    <message>
        <source>&amp;Snooze</source>
        <translation>スヌーズ(&amp;S)</translation>
    </message>
</context>
<context>
    <name>TAlarmNotification</name>
    <message>
        <source>Show the clocks</source>
        <translation>時計を表示</translation>
    </message>
    <message>
        <source>Snooze</source>
        <translation>スヌーズ</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
</context>
<context>
    <name>TAlarmSound</name>
    <message>
        <source>Alarm</source>
        <translation>アラーム</translation>
    </message>
</context>
<context>
    <name>TAppearancePage</name>
    <message>
        <source> Appearance </source>
        <translation> 外観 </translation>
    </message>
    <message>
        <source>Show the &amp;date on the clocks</source>
        <translation>時計に日付を表示する(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation>形式(&amp;F):</translation>
    </message>
    <message>
        <source>Show the &amp;time on the clocks</source>
        <translation>時計に時刻を表示する(&amp;T)</translation>
    </message>
    <message>
        <source>F&amp;ormat:</source>
        <translation>形式(&amp;O):</translation>
    </message>
    <message>
        <source>Clock Fo&amp;nt...</source>
        <translation>フォント(&amp;N)...</translation>
    </message>
    <message>
        <source>Co&amp;lour...</source>
        <translation>色(&amp;L)...</translation>
    </message>
    <message>
        <source>D&amp;efaults</source>
        <translation>既定値(&amp;E)</translation>
    </message>
    <message>
        <source> Alarm </source>
        <translation> アラーム </translation>
    </message>
    <message>
        <source>Set an &amp;alarm to go off:</source>
        <translation>アラームを設定する(&amp;A):</translation>
    </message>
    <message>
        <source>&amp;Clock to use:</source>
        <translation>使う時計(&amp;C):</translation>
    </message>
    <message>
        <source>Date and ti&amp;me (in 24-hour format):</source>
        <translation>日付と時刻 (24 時間制)(&amp;I):</translation>
    </message>
    <message>
        <source>on</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>%1, %2pt</source>
        <translation>%1、%2 pt</translation>
    </message>
    <message>
        <source>Are you sure you want to restore the default appearance settings?</source>
        <translation>外観の設定を既定値に戻しますか?</translation>
    </message>
    <message>
        <source>Invalid input value.  Use escape key to abandon changes</source>
        <translation>入力値が無効です。Esc キーを押すと変更を破棄します</translation>
    </message>
    <message>
        <source>This time has already passed in %1.</source>
        <translation>%1 ではこの時刻はすでに過ぎています。</translation>
    </message>
    <message>
        <source>Set for %1</source>
        <translation>%1 に設定</translation>
    </message>
    <message>
        <source>The alarm time %1 on %2 has already passed in %3, so the alarm would go off at once.

Set it for %1 on %4 instead?</source>
        <translation>アラーム時刻 %2 %1 は %3 ではすでに過ぎているため、アラームがすぐに鳴ります。

代わりに %4 %1 に設定しますか?</translation>
    </message>
    <message>
        <source>Date format</source>
        <translation>日付の形式</translation>
    </message>
    <message>
        <source>Time format</source>
        <translation>時刻の形式</translation>
    </message>
    <message>
        <source>Alarm date</source>
        <translation>アラームの日付</translation>
    </message>
    <message>
        <source>&amp;Snooze for (minutes):</source>
        <translation>スヌーズ時間 (分)(&amp;S):</translation>
    </message>
</context>
<context>
    <name>TClocksAlarm</name>
    <message>
        <source>Alarm set for %1 on %2</source>
        <translation>アラーム: %2 %1</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>アラーム</translation>
    </message>
</context>
<context>
    <name>TClocksApp</name>
    <message>
        <source>No notification area was found on this desktop, so Vorkel Clocks shows its clocks in this window.
Closing this window ends the program.</source>
        <translation>このデスクトップには通知領域が見つからないため、Vorkel Clocks はこのウィンドウに時計を表示します。
このウィンドウを閉じるとプログラムは終了します。</translation>
    </message>
</context>
<context>
    <name>TClocksForm</name>
    <message>
        <source>World Times</source>
        <translation>世界の時刻</translation>
    </message>
    <message>
        <source>Pin to the desktop</source>
        <translation>デスクトップに固定</translation>
    </message>
    <message>
        <source>Show Clocks</source>
        <translation>時計を表示</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>オプション...</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>バージョン情報...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Info on XXX...</source>
        <translation>XXX の情報(&amp;I)...</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>オプション(&amp;O)...</translation>
    </message>
    <message>
        <source>Hi&amp;de</source>
        <translation>隠す(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>バージョン情報(&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>You have not chosen any time zones to use as clocks.
Would you like to choose some now?</source>
        <translation>時計として使うタイムゾーンがまだ選ばれていません。
今すぐ選びますか?</translation>
    </message>
    <message>
        <source>There was an error loading the time zone data:
</source>
        <translation>タイムゾーン データの読み込み中にエラーが発生しました:
</translation>
    </message>
    <message>
        <source>%1  &lt;u&gt;Now&lt;/u&gt;</source>
        <translation>%1  &lt;u&gt;現在&lt;/u&gt;</translation>
    </message>
    <message>
        <source>Back to the present</source>
        <translation>現在に戻る</translation>
    </message>
</context>
<context>
    <name>TContextHelp</name>
    <message>
        <source>&amp;What&apos;s This?</source>
        <translation>これは何?(&amp;W)</translation>
    </message>
</context>
<context>
    <name>THelpViewer</name>
    <message>
        <source>Vorkel Clocks Help</source>
        <translation>Vorkel Clocks ヘルプ</translation>
    </message>
</context>
<context>
    <name>TOptionsData</name>
    <message>
        <source>&apos;%1&apos; is not a valid time</source>
        <translation>「%1」は有効な時刻ではありません</translation>
    </message>
</context>
<context>
    <name>TTimeZone</name>
    <message>
        <source>January</source>
        <translation>1月</translation>
    </message>
    <message>
        <source>February</source>
        <translation>2月</translation>
    </message>
    <message>
        <source>March</source>
        <translation>3月</translation>
    </message>
    <message>
        <source>April</source>
        <translation>4月</translation>
    </message>
    <message>
        <source>May</source>
        <translation>5月</translation>
    </message>
    <message>
        <source>June</source>
        <translation>6月</translation>
    </message>
    <message>
        <source>July</source>
        <translation>7月</translation>
    </message>
    <message>
        <source>August</source>
        <translation>8月</translation>
    </message>
    <message>
        <source>September</source>
        <translation>9月</translation>
    </message>
    <message>
        <source>October</source>
        <translation>10月</translation>
    </message>
    <message>
        <source>November</source>
        <translation>11月</translation>
    </message>
    <message>
        <source>December</source>
        <translation>12月</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>日曜日</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>月曜日</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>火曜日</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>水曜日</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>木曜日</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>金曜日</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>土曜日</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>day of the month, month name</extracomment>
        <translation>%2%1日</translation>
    </message>
    <message>
        <source>the last %1 in %2</source>
        <translation>%2の最終%1</translation>
    </message>
    <message>
        <source>the first %1 on or after %2 %3</source>
        <translation>%3%2日以降の最初の%1</translation>
    </message>
    <message>
        <source>the first %1 on or before %2 %3</source>
        <translation>%3%2日以前の最後の%1</translation>
    </message>
    <message>
        <source>the first %1 in %2</source>
        <translation>%2の第1%1</translation>
    </message>
    <message>
        <source>an unknown day in %1</source>
        <translation>%1の不明な日</translation>
    </message>
    <message>
        <source>an unknown day</source>
        <translation>不明な日</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <extracomment>a day, then a time of day</extracomment>
        <translation>%1の%2</translation>
    </message>
    <message>
        <source>the day after %1</source>
        <translation>%1の翌日</translation>
    </message>
    <message>
        <source>the day before %1</source>
        <translation>%1の前日</translation>
    </message>
    <message>
        <source>%1 days after %2</source>
        <translation>%2の%1日後</translation>
    </message>
    <message>
        <source>%1 days before %2</source>
        <translation>%2の%1日前</translation>
    </message>
    <message>
        <source>hh:nn ampm</source>
        <extracomment>hh hours, nn minutes, ampm the AM/PM mark (leave it out for a 24-hour clock)</extracomment>
        <translation>h:nn</translation>
    </message>
</context>
<context>
    <name>TTimeZoneList</name>
    <message>
        <source>&quot;%1&quot; holds no time zones</source>
        <translation>「%1」にはタイムゾーンがありません</translation>
    </message>
</context>
<context>
    <name>TWindowMenu</name>
    <message>
        <source>&amp;Info on %1...</source>
        <translation>%1 の情報(&amp;I)...</translation>
    </message>
</context>
<context>
    <name>TWorldClocks</name>
    <message>
        <source>No clocks have been selected.</source>
        <translation>時計が選ばれていません。</translation>
    </message>
    <message>
        <source>Click to show the time in </source>
        <translation>クリックすると時刻を表示: </translation>
    </message>
    <message>
        <source> and </source>
        <translation>、</translation>
    </message>
    <message>
        <source>, </source>
        <translation>、</translation>
    </message>
</context>
<context>
    <name>TZoneForm</name>
    <message>
        <source>Vorkel Clocks - Options</source>
        <translation>Vorkel Clocks - オプション</translation>
    </message>
    <message>
        <source>There was an error loading the time zone data:
</source>
        <translation>タイムゾーン データの読み込み中にエラーが発生しました:
</translation>
    </message>
    <message>
        <source>Clocks and Time Zones</source>
        <translation>時計とタイムゾーン</translation>
    </message>
    <message>
        <source>Appearance and Alarm</source>
        <translation>外観とアラーム</translation>
    </message>
    <message>
        <source>About Vorkel</source>
        <translation>Vorkel について</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>適用</translation>
    </message>
</context>
<context>
    <name>TZoneListModel</name>
    <message>
        <source>No matching places</source>
        <translation>該当する場所はありません</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>a place, then its country</extracomment>
        <translation>%1、%2</translation>
    </message>
</context>
<context>
    <name>TZoneSearchBox</name>
    <message>
        <source>Search for a city, country or abbreviation</source>
        <translation>都市、国、略称で検索</translation>
    </message>
    <message>
        <source>(Search results)</source>
        <translation>(検索結果)</translation>
    </message>
    <message>
        <source>Clear the search</source>
        <translation>検索をクリア</translation>
    </message>
</context>
<context>
    <name>TZonesPage</name>
    <message>
        <source>&amp;Your clocks:</source>
        <translation>時計(&amp;C):</translation>
    </message>
    <message>
        <source>&amp;Time zones:</source>
        <translation>タイムゾーン(&amp;T):</translation>
    </message>
    <message>
        <source>&lt; &amp;Add a Clock</source>
        <translation>&lt; 時計を追加(&amp;A)</translation>
    </message>
    <message>
        <source> (no clock) </source>
        <translation> (時計なし) </translation>
    </message>
    <message>
        <source>&amp;Clock title:</source>
        <translation>時計のタイトル(&amp;L):</translation>
    </message>
    <message>
        <source>Use &amp;daylight time when necessary</source>
        <translation>必要に応じて夏時間を使う(&amp;D)</translation>
    </message>
    <message>
        <source>R&amp;emove</source>
        <translation>削除(&amp;E)</translation>
    </message>
    <message>
        <source>Standard offset:</source>
        <translation>標準時の時差:</translation>
    </message>
    <message>
        <source>Daylight offset:</source>
        <translation>夏時間の時差:</translation>
    </message>
    <message>
        <source>&amp;Run Vorkel Clocks when I log in</source>
        <translation>ログイン時に Vorkel Clocks を起動する(&amp;R)</translation>
    </message>
    <message>
        <source>Groups time zones by name instead of by GMT offset.</source>
        <translation>タイムゾーンを GMT との時差ではなく名前で並べます。</translation>
    </message>
    <message>
        <source>&amp;Sort time zones by name, not GMT offset</source>
        <translation>GMT との時差ではなく名前でタイムゾーンを並べる(&amp;S)</translation>
    </message>
    <message>
        <source>(List all zones)</source>
        <translation>(すべてのタイムゾーン)</translation>
    </message>
    <message>
        <source> (no zone) </source>
        <translation> (タイムゾーンなし) </translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>不明</translation>
    </message>
</context>
<context>
    <name>ZoneTexts</name>
    <message>
        <source>Daylight time (%1, %2)</source>
        <translation>夏時間 (%1、%2)</translation>
    </message>
    <message>
        <source>Standard time (%1)</source>
        <translation>標準時 (%1)</translation>
    </message>
    <message>
        <source>Daylight time begins on %1.</source>
        <translation>夏時間は%1に始まります。</translation>
    </message>
    <message>
        <source>Standard time resumes on %1.</source>
        <translation>%1に標準時に戻ります。</translation>
    </message>
    <message>
        <source>This zone&apos;s changes follow dates published each year.</source>
        <translation>このタイムゾーンの切り替えは、毎年発表される日付に従います。</translation>
    </message>
    <message>
        <source>Next change: %1, %2 → %3</source>
        <translation>次の切り替え: %1 %2 → %3</translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1 時間</translation>
    </message>
    <message>
        <source>%1 hours</source>
        <translation>%1 時間</translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 分</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 分</translation>
    </message>
    <message>
        <source>%1 ahead of local time</source>
        <translation>現地時刻より %1 進んでいます</translation>
    </message>
    <message>
        <source>%1 behind local time</source>
        <translation>現地時刻より %1 遅れています</translation>
    </message>
    <message>
        <source>dddd d mmmm yyyy</source>
        <extracomment>dddd the weekday, d the day, mmmm the month, yyyy the year</extracomment>
        <translation>yyyy年m月d日 dddd</translation>
    </message>
    <message>
        <source>hh:nn:ss ampm</source>
        <extracomment>hh hours, nn minutes, ss seconds, ampm the AM/PM mark (leave it out for a 24-hour clock)</extracomment>
        <translation>h:nn:ss</translation>
    </message>
    <message>
        <source>%1 (zone unknown)</source>
        <translation>%1 (タイムゾーン不明)</translation>
    </message>
    <message>
        <source>--:--</source>
        <extracomment>Shown in place of a time by a clock whose time zone is unknown</extracomment>
        <translation>--:--</translation>
    </message>
    <message>
        <source>This zone is not in the time zone data, so the clock shows no time.
It is kept as it is, and shows the time again once the zone is known.</source>
        <translation>このタイムゾーンはタイムゾーン データにないため、時計には時刻が表示されません。
時計はそのまま残り、タイムゾーンがわかると再び時刻を表示します。</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>The time zone data does not know the zone of these clocks:</source>
        <translation>次の時計のタイムゾーンはタイムゾーン データにありません:</translation>
    </message>
    <message>
        <source>They are kept, marked &quot;zone unknown&quot;, and show no time until the time zone data knows their zones again.</source>
        <translation>これらの時計は「タイムゾーン不明」と表示されたまま残り、タイムゾーン データがそのタイムゾーンを再び認識するまで時刻を表示しません。</translation>
    </message>
    <message>
        <source>Same time as here</source>
        <translation>この場所と同じ時刻</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Vorkel Clocks is already running.</source>
        <translation>Vorkel Clocks はすでに実行中です。</translation>
    </message>
    <message>
        <source>A world clock in the notification area.</source>
        <translation>通知領域に常駐する世界時計です。</translation>
    </message>
    <message>
        <source>Open the options, in the copy already running if there is one.</source>
        <translation>オプションを開きます (実行中のコピーがあればそのコピーで)。</translation>
    </message>
</context>
</TS>
