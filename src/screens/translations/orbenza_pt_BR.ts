<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>BiWheelExport</name>
    <message>
        <source>The chart picture could not be saved to &quot;%1&quot;.

%2</source>
        <translation>Não foi possível salvar a imagem do mapa em &quot;%1&quot;.

%2</translation>
    </message>
    <message>
        <source>Export Chart Picture</source>
        <translation>Exportar imagem do mapa</translation>
    </message>
    <message>
        <source>The PDF document could not be written.</source>
        <translation>Não foi possível gravar o documento PDF.</translation>
    </message>
</context>
<context>
    <name>ChartExport</name>
    <message>
        <source>%1 could not be saved to &quot;%2&quot;.

%3</source>
        <translation>Não foi possível salvar %1 em &quot;%2&quot;.

%3</translation>
    </message>
    <message>
        <source>The chart picture</source>
        <translation>A imagem do mapa</translation>
    </message>
    <message>
        <source>The report</source>
        <translation>O relatório</translation>
    </message>
    <message>
        <source>Orbenza chart</source>
        <translation>Mapa do Orbenza</translation>
    </message>
    <message>
        <source>Orbenza chart of %1</source>
        <translation>Mapa do Orbenza de %1</translation>
    </message>
    <message>
        <source>SVG image (*.svg)</source>
        <translation>Imagem SVG (*.svg)</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Imagem PNG (*.png)</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Documento PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Export Chart Picture</source>
        <translation>Exportar imagem do mapa</translation>
    </message>
    <message>
        <source>Save Report as PDF</source>
        <translation>Salvar relatório como PDF</translation>
    </message>
    <message>
        <source>One sign to a house, counted from the Ascendant&apos;s sign</source>
        <translation>Um signo por casa, contado a partir do signo do Ascendente</translation>
    </message>
    <message>
        <source>The SVG picture could not be drawn.</source>
        <translation>Não foi possível desenhar a imagem SVG.</translation>
    </message>
    <message>
        <source>A picture can be 1 to %1 pixels wide, not %2.</source>
        <translation>Uma imagem pode ter de 1 a %1 pixels de largura, não %2.</translation>
    </message>
    <message>
        <source>There is not enough memory for a picture of %1 x %2 pixels.</source>
        <translation>Não há memória suficiente para uma imagem de %1 x %2 pixels.</translation>
    </message>
    <message>
        <source>Orbenza report</source>
        <translation>Relatório do Orbenza</translation>
    </message>
    <message>
        <source>Orbenza report of %1</source>
        <translation>Relatório do Orbenza de %1</translation>
    </message>
    <message>
        <source>Planets in Houses</source>
        <translation>Planetas nas casas</translation>
    </message>
    <message>
        <source>The PDF document could not be written.</source>
        <translation>Não foi possível gravar o documento PDF.</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Erro desconhecido</translation>
    </message>
</context>
<context>
    <name>FileSaving</name>
    <message>
        <source>The file could not be written completely; the disk may be full.</source>
        <translation>Não foi possível gravar o arquivo por completo; o disco pode estar cheio.</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Erro desconhecido</translation>
    </message>
</context>
<context>
    <name>LibraryExchange</name>
    <message>
        <source>an #A93 record needs 7 fields</source>
        <translation>um registro #A93 precisa de 7 campos</translation>
    </message>
    <message>
        <source>a #B93 record needs 5 fields</source>
        <translation>um registro #B93 precisa de 5 campos</translation>
    </message>
    <message>
        <source>the #A93 record has no #B93 record after it</source>
        <translation>o registro #A93 não é seguido de um registro #B93</translation>
    </message>
    <message>
        <source>the #B93 record has no #A93 record before it</source>
        <translation>o registro #B93 não é precedido de um registro #A93</translation>
    </message>
    <message>
        <source>the date is not day.month.year</source>
        <translation>a data não está no formato dia.mês.ano</translation>
    </message>
    <message>
        <source>the time is not hh:mm</source>
        <translation>a hora não está no formato hh:mm</translation>
    </message>
    <message>
        <source>the date or the time of birth is unknown</source>
        <translation>a data ou a hora de nascimento é desconhecida</translation>
    </message>
    <message>
        <source>the latitude cannot be read</source>
        <translation>não é possível ler a latitude</translation>
    </message>
    <message>
        <source>the longitude cannot be read</source>
        <translation>não é possível ler a longitude</translation>
    </message>
    <message>
        <source>the zone difference cannot be read</source>
        <translation>não é possível ler a diferença de fuso</translation>
    </message>
    <message>
        <source>the summer time flag is not 0 or 1</source>
        <translation>o indicador de horário de verão não é 0 nem 1</translation>
    </message>
    <message>
        <source>the Julian day is not a number</source>
        <translation>o dia juliano não é um número</translation>
    </message>
    <message>
        <source>both the zone difference and the Julian day are unknown</source>
        <translation>tanto a diferença de fuso quanto o dia juliano são desconhecidos</translation>
    </message>
    <message>
        <source>the Julian day disagrees with the date, time and zone</source>
        <translation>o dia juliano não confere com a data, a hora e o fuso</translation>
    </message>
    <message>
        <source>AAF files (*.aaf *.txt);;All files (*)</source>
        <translation>Arquivos AAF (*.aaf *.txt);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>Export Charts as AAF</source>
        <translation>Exportar mapas como AAF</translation>
    </message>
    <message>
        <source>Import Charts from AAF</source>
        <translation>Importar mapas de AAF</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Não é possível ler %1: %2</translation>
    </message>
    <message>
        <source>%1 holds no #A93 record; is it an AAF file?</source>
        <translation>%1 não contém nenhum registro #A93; é um arquivo AAF?</translation>
    </message>
    <message>
        <source>Importing charts…</source>
        <translation>Importando mapas…</translation>
    </message>
    <message>
        <source>Charts imported: %1.</source>
        <translation>Mapas importados: %1.</translation>
    </message>
    <message>
        <source>Charts that could not be read: %1</source>
        <translation>Mapas que não puderam ser lidos: %1</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>linha %1: %2</translation>
    </message>
    <message>
        <source>and %1 more.</source>
        <translation>e mais %1.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Não é possível gravar %1: %2</translation>
    </message>
    <message>
        <source>Charts exported: %1.</source>
        <translation>Mapas exportados: %1.</translation>
    </message>
    <message>
        <source>Charts with a comma or line break written as a semicolon or a space: %1.</source>
        <translation>Mapas com vírgula ou quebra de linha gravadas como ponto e vírgula ou espaço: %1.</translation>
    </message>
</context>
<context>
    <name>PredictiveTexts</name>
    <message>
        <source>%1 UT</source>
        <translation>%1 UT</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>The library already holds a chart of %1. Update that chart, or keep both?</source>
        <translation>A biblioteca já contém um mapa de %1. Atualizar esse mapa ou manter os dois?</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>&amp;Atualizar</translation>
    </message>
    <message>
        <source>&amp;Keep Both</source>
        <translation>&amp;Manter os dois</translation>
    </message>
    <message>
        <source>Delete the chart of %1 from the library?</source>
        <translation>Excluir da biblioteca o mapa de %1?</translation>
    </message>
</context>
<context>
    <name>UserGuide</name>
    <message>
        <source>The user guide could not be found. It was looked for in:
%1</source>
        <translation>O guia do usuário não foi encontrado. Ele foi procurado em:
%1</translation>
    </message>
    <message>
        <source>Orbenza User Guide</source>
        <translation>Guia do usuário do Orbenza</translation>
    </message>
</context>
<context>
    <name>WebLinks</name>
    <message>
        <source>No web browser could be opened for %1.</source>
        <translation>Não foi possível abrir um navegador para %1.</translation>
    </message>
</context>
<context>
    <name>orbenza::AboutBox</name>
    <message>
        <source>Click here to visit %1</source>
        <translation>Clique aqui para visitar %1</translation>
    </message>
    <message>
        <source>Place atlas: GeoNames (geonames.org), its places, names, regions and time zones, CC BY 4.0. Clock times: the IANA time-zone database (public domain).</source>
        <translation>Atlas de locais: GeoNames (geonames.org), seus locais, nomes, regiões e fusos horários, CC BY 4.0. Horas do relógio: o banco de dados de fusos horários da IANA (domínio público).</translation>
    </message>
    <message>
        <source>Precise positions: series fitted to the Swiss Ephemeris 2.10 (Astrodienst AG, AGPL-3.0, with JPL&apos;s DE431). Hindi text: the Lohit Devanagari font (SIL Open Font License 1.1).</source>
        <translation>Posições precisas: séries ajustadas à Swiss Ephemeris 2.10 (Astrodienst AG, AGPL-3.0, com a DE431 do JPL). Texto em hindi: a fonte Lohit Devanagari (SIL Open Font License 1.1).</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>orbenza::AppController</name>
    <message>
        <source>Orbenza chart of %1</source>
        <translation>Mapa do Orbenza de %1</translation>
    </message>
    <message>
        <source>Save Chart to &amp;Library</source>
        <translation>Salvar mapa na &amp;biblioteca</translation>
    </message>
    <message>
        <source>&amp;Open Chart…</source>
        <translation>&amp;Abrir mapa…</translation>
    </message>
    <message>
        <source>The chart of %1 was updated in the library</source>
        <translation>O mapa de %1 foi atualizado na biblioteca</translation>
    </message>
    <message>
        <source>The chart of %1 was saved to the library</source>
        <translation>O mapa de %1 foi salvo na biblioteca</translation>
    </message>
    <message>
        <source>The chart of %1 cannot be drawn: %2</source>
        <translation>Não é possível desenhar o mapa de %1: %2</translation>
    </message>
    <message>
        <source>Chart &amp;Settings…</source>
        <translation>&amp;Configurações do mapa…</translation>
    </message>
</context>
<context>
    <name>orbenza::AspectGrid</name>
    <message>
        <source>Aspect grid</source>
        <translation>Grade de aspectos</translation>
    </message>
    <message>
        <source>%1 %2 %3, orb %4°, %5</source>
        <translation>%1 %2 %3, orbe %4°, %5</translation>
    </message>
    <message>
        <source>applying</source>
        <translation>aplicativo</translation>
    </message>
    <message>
        <source>separating</source>
        <translation>separativo</translation>
    </message>
</context>
<context>
    <name>orbenza::BirthDetailsScreen</name>
    <message>
        <source>Jan</source>
        <translation>Jan</translation>
    </message>
    <message>
        <source>Feb</source>
        <translation>Fev</translation>
    </message>
    <message>
        <source>Mar</source>
        <translation>Mar</translation>
    </message>
    <message>
        <source>Apr</source>
        <translation>Abr</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mai</translation>
    </message>
    <message>
        <source>Jun</source>
        <translation>Jun</translation>
    </message>
    <message>
        <source>Jul</source>
        <translation>Jul</translation>
    </message>
    <message>
        <source>Aug</source>
        <translation>Ago</translation>
    </message>
    <message>
        <source>Sep</source>
        <translation>Set</translation>
    </message>
    <message>
        <source>Oct</source>
        <translation>Out</translation>
    </message>
    <message>
        <source>Nov</source>
        <translation>Nov</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>Dez</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>The place atlas is unavailable: type the coordinates and choose the zone by hand.</source>
        <translation>O atlas de locais não está disponível: digite as coordenadas e escolha o fuso manualmente.</translation>
    </message>
    <message>
        <source>%1 · %2 %3 %4 is no date of the calendar</source>
        <translation>%1 · %2 %3 %4 não é uma data do calendário</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 às %2</translation>
    </message>
    <message>
        <source>%1 · %2 did not exist: the clocks were put forward. Proceed asks which universal time is meant.</source>
        <translation>%1 · %2 não existiu: os relógios foram adiantados. Ao prosseguir, será perguntado qual hora universal se quer dizer.</translation>
    </message>
    <message>
        <source>%1 · %2 happened twice: the clocks were put back. Proceed asks which universal time is meant.</source>
        <translation>%1 · %2 ocorreu duas vezes: os relógios foram atrasados. Ao prosseguir, será perguntado qual hora universal se quer dizer.</translation>
    </message>
    <message>
        <source>Before 1970 this zone&apos;s clock history is that of %1; local practice in %2 may have differed: check the birth record.</source>
        <translation>Antes de 1970 o histórico de horários deste fuso é o de %1; a prática local em %2 pode ter sido diferente: confira a certidão de nascimento.</translation>
    </message>
    <message>
        <source>%1 · %2 · %3 on %4 (summer time)</source>
        <translation>%1 · %2 · %3 em %4 (horário de verão)</translation>
    </message>
    <message>
        <source>%1 · %2 · %3 on %4 (local mean time)</source>
        <translation>%1 · %2 · %3 em %4 (hora média local)</translation>
    </message>
    <message>
        <source>%1 · %2 · %3 on %4</source>
        <translation>%1 · %2 · %3 em %4</translation>
    </message>
    <message>
        <source>From the atlas: %1 (%2)</source>
        <translation>Do atlas: %1 (%2)</translation>
    </message>
    <message>
        <source>Coordinates, zone and daylight saving set by hand, not from the atlas.</source>
        <translation>Coordenadas, fuso e horário de verão definidos manualmente, não a partir do atlas.</translation>
    </message>
    <message>
        <source>In %1 the clock time %2 did not exist: the clocks were put forward over it. Read on the clock before the change (%3) it is %4; read on the clock after the change (%5) it is %6. Which one is meant?</source>
        <translation>Em %1 a hora %2 não existiu: os relógios foram adiantados por cima dela. Lida no relógio de antes da mudança (%3), ela é %4; lida no relógio de depois da mudança (%5), ela é %6. Qual delas se quer dizer?</translation>
    </message>
    <message>
        <source>Clock before the change: %1</source>
        <translation>Relógio antes da mudança: %1</translation>
    </message>
    <message>
        <source>Clock after the change: %1</source>
        <translation>Relógio depois da mudança: %1</translation>
    </message>
    <message>
        <source>In %1 the clock time %2 happened twice: the clocks were put back over it. The first time (%3) it was %4; the second time (%5) it was %6. Which one is meant?</source>
        <translation>Em %1 a hora %2 ocorreu duas vezes: os relógios foram atrasados por cima dela. Na primeira vez (%3) era %4; na segunda vez (%5) era %6. Qual delas se quer dizer?</translation>
    </message>
    <message>
        <source>First time: %1</source>
        <translation>Primeira vez: %1</translation>
    </message>
    <message>
        <source>Second time: %1</source>
        <translation>Segunda vez: %1</translation>
    </message>
    <message>
        <source>Orbenza shows the positions of the planets in the twelve houses in your natal chart. The distribution of the planets in the different houses play an important role in interpreting the birth chart of an individual.</source>
        <translation>O Orbenza mostra as posições dos planetas nas doze casas do seu mapa natal. A distribuição dos planetas nas diferentes casas tem papel importante na interpretação do mapa natal de uma pessoa.</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>&amp;User Guide</source>
        <translation>&amp;Guia do usuário</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Ajuda &amp;on-line</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visite-nos on-line</translation>
    </message>
    <message>
        <source>Check for Software U&amp;pdate</source>
        <translation>Verificar &amp;atualizações do programa</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Sobre o programa</translation>
    </message>
    <message>
        <source>Deg</source>
        <translation>Grau</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Min</translation>
    </message>
    <message>
        <source>Click Here To Find Latitude &amp;&amp; Longitude</source>
        <translation>Clique aqui para encontrar latitude &amp;&amp; longitude</translation>
    </message>
    <message>
        <source>HH:MM:SS</source>
        <translation>HH:MM:SS</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation>Data de nascimento</translation>
    </message>
    <message>
        <source>Time of Birth</source>
        <translation>Hora de nascimento</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Cidade</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>País</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Leste</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Oeste</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitude</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Norte</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Sul</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Latitude</translation>
    </message>
    <message>
        <source>Zone</source>
        <translation>Fuso</translation>
    </message>
    <message>
        <source>Daylight Saving Time</source>
        <translation>Horário de verão</translation>
    </message>
    <message>
        <source>Discuss your chart on our online discussion board at %1</source>
        <translation>Converse sobre seu mapa no nosso fórum on-line em %1</translation>
    </message>
    <message>
        <source>Proceed</source>
        <translation>Prosseguir</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>P&amp;recise Positions</source>
        <translation>&amp;Posições precisas</translation>
    </message>
    <message>
        <source>Compute the positions from series fitted to the JPL ephemeris, to a tenth of an arcsecond, instead of the built-in method</source>
        <translation>Calcular as posições com séries ajustadas às efemérides do JPL, com precisão de um décimo de segundo de arco, em vez do método embutido</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sai&amp;r</translation>
    </message>
    <message>
        <source>January</source>
        <translation>Janeiro</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Fevereiro</translation>
    </message>
    <message>
        <source>March</source>
        <translation>Março</translation>
    </message>
    <message>
        <source>April</source>
        <translation>Abril</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Junho</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Julho</translation>
    </message>
    <message>
        <source>August</source>
        <translation>Agosto</translation>
    </message>
    <message>
        <source>September</source>
        <translation>Setembro</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Outubro</translation>
    </message>
    <message>
        <source>November</source>
        <translation>Novembro</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Dezembro</translation>
    </message>
</context>
<context>
    <name>orbenza::ChartInTimeScreen</name>
    <message>
        <source>Progressions of %1</source>
        <translation>Progressões de %1</translation>
    </message>
    <message>
        <source>Solar Return of %1</source>
        <translation>Revolução Solar de %1</translation>
    </message>
    <message>
        <source>Lunar Return of %1</source>
        <translation>Revolução Lunar de %1</translation>
    </message>
    <message>
        <source>%1 Compared With %2</source>
        <translation>Comparação de %1 com %2</translation>
    </message>
    <message>
        <source>Bi-wheel</source>
        <translation>Roda dupla</translation>
    </message>
    <message>
        <source>Aspect</source>
        <translation>Aspecto</translation>
    </message>
    <message>
        <source>Orb</source>
        <translation>Orbe</translation>
    </message>
    <message>
        <source>E&amp;xport…</source>
        <translation>E&amp;xportar…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source>Progressed to &amp;date:</source>
        <translation>&amp;Data da progressão:</translation>
    </message>
    <message>
        <source>&amp;Year:</source>
        <translation>&amp;Ano:</translation>
    </message>
    <message>
        <source>the birth place</source>
        <translation>o local de nascimento</translation>
    </message>
    <message>
        <source>A place of the atlas to draw the return for; empty for the birth place</source>
        <translation>Um local do atlas para o qual levantar a revolução; vazio para o local de nascimento</translation>
    </message>
    <message>
        <source>&amp;Place:</source>
        <translation>&amp;Local:</translation>
    </message>
    <message>
        <source>&amp;Month:</source>
        <translation>&amp;Mês:</translation>
    </message>
    <message>
        <source>&amp;Return:</source>
        <translation>&amp;Revolução:</translation>
    </message>
    <message>
        <source>Synastry: the other chart outside</source>
        <translation>Sinastria: o outro mapa por fora</translation>
    </message>
    <message>
        <source>Composite: the midpoints of the two charts outside</source>
        <translation>Composto: os pontos médios dos dois mapas por fora</translation>
    </message>
    <message>
        <source>&amp;Show:</source>
        <translation>&amp;Mostrar:</translation>
    </message>
    <message>
        <source>Progressed</source>
        <translation>Progredido</translation>
    </message>
    <message>
        <source>Solar return</source>
        <translation>Revolução Solar</translation>
    </message>
    <message>
        <source>Lunar return</source>
        <translation>Revolução Lunar</translation>
    </message>
    <message>
        <source>Composite</source>
        <translation>Composto</translation>
    </message>
    <message>
        <source>the progressed chart for %1, the sky of %2</source>
        <translation>o mapa progredido para %1, o céu de %2</translation>
    </message>
    <message>
        <source>No solar return in %1</source>
        <translation>Nenhuma revolução solar em %1</translation>
    </message>
    <message>
        <source>the solar return of %1</source>
        <translation>a revolução solar de %1</translation>
    </message>
    <message>
        <source>No lunar return in this month</source>
        <translation>Nenhuma revolução lunar neste mês</translation>
    </message>
    <message>
        <source>No chart to compare with</source>
        <translation>Nenhum mapa para comparar</translation>
    </message>
    <message>
        <source>the composite of %1 and %2</source>
        <translation>o mapa composto de %1 e %2</translation>
    </message>
    <message>
        <source>the chart of %1</source>
        <translation>o mapa de %1</translation>
    </message>
    <message>
        <source>the lunar return of %1</source>
        <translation>a revolução lunar de %1</translation>
    </message>
    <message>
        <source>Inside: %1. Outside: %2</source>
        <translation>Dentro: %1. Fora: %2</translation>
    </message>
    <message>
        <source>progressions</source>
        <translation>progressões</translation>
    </message>
    <message>
        <source>solar return</source>
        <translation>revolução solar</translation>
    </message>
    <message>
        <source>lunar return</source>
        <translation>revolução lunar</translation>
    </message>
    <message>
        <source>with %1</source>
        <translation>com %1</translation>
    </message>
    <message>
        <source>comparison</source>
        <translation>comparação</translation>
    </message>
    <message>
        <source>Aspects to the birth chart</source>
        <translation>Aspectos ao mapa natal</translation>
    </message>
    <message>
        <source>Compare With</source>
        <translation>Comparar com</translation>
    </message>
    <message>
        <source>The chart of %1 cannot be drawn: %2</source>
        <translation>Não é possível desenhar o mapa de %1: %2</translation>
    </message>
    <message>
        <source>&amp;Chart</source>
        <translation>&amp;Mapa</translation>
    </message>
    <message>
        <source>&amp;Progressions…</source>
        <translation>&amp;Progressões…</translation>
    </message>
    <message>
        <source>&amp;Solar Return…</source>
        <translation>Revolução &amp;Solar…</translation>
    </message>
    <message>
        <source>&amp;Lunar Return…</source>
        <translation>Revolução &amp;Lunar…</translation>
    </message>
    <message>
        <source>&amp;Compare With…</source>
        <translation>&amp;Comparar com…</translation>
    </message>
</context>
<context>
    <name>orbenza::ChartListModel</name>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>Data e hora</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Local</translation>
    </message>
</context>
<context>
    <name>orbenza::ChartScreen</name>
    <message>
        <source>Sun</source>
        <translation>Sol</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Lua</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>Mercúrio</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>Vênus</translation>
    </message>
    <message>
        <source>Mars</source>
        <translation>Marte</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation>Júpiter</translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation>Saturno</translation>
    </message>
    <message>
        <source>Uranus</source>
        <translation>Urano</translation>
    </message>
    <message>
        <source>Neptune</source>
        <translation>Netuno</translation>
    </message>
    <message>
        <source>Pluto</source>
        <translation>Plutão</translation>
    </message>
    <message>
        <source>Asc</source>
        <translation>Asc</translation>
    </message>
    <message>
        <source>MC</source>
        <translation>MC</translation>
    </message>
    <message>
        <source>Chiron</source>
        <translation>Quíron</translation>
    </message>
    <message>
        <source>True Node</source>
        <translation>Nodo Verdadeiro</translation>
    </message>
    <message>
        <source>Mean Node</source>
        <translation>Nodo Médio</translation>
    </message>
    <message>
        <source>Lilith</source>
        <translation>Lilith</translation>
    </message>
    <message>
        <source>Fortune</source>
        <translation>Fortuna</translation>
    </message>
    <message>
        <source>For more detailed analysis of your planets in houses Visit %1</source>
        <translation>Para uma análise mais detalhada dos seus planetas nas casas, visite %1</translation>
    </message>
    <message>
        <source>Your Details</source>
        <translation>Seus dados</translation>
    </message>
    <message>
        <source>Date of Birth :</source>
        <translation>Data de nascimento:</translation>
    </message>
    <message>
        <source>Time of Birth :</source>
        <translation>Hora de nascimento:</translation>
    </message>
    <message>
        <source>City :</source>
        <translation>Cidade:</translation>
    </message>
    <message>
        <source>State :</source>
        <translation>Estado:</translation>
    </message>
    <message>
        <source>Country :</source>
        <translation>País:</translation>
    </message>
    <message>
        <source>Latitude   :</source>
        <translation>Latitude   :</translation>
    </message>
    <message>
        <source>Longitude :</source>
        <translation>Longitude :</translation>
    </message>
    <message>
        <source>Other Details</source>
        <translation>Outros dados</translation>
    </message>
    <message>
        <source>Sun Sign</source>
        <translation>Signo solar</translation>
    </message>
    <message>
        <source>Moon Sign</source>
        <translation>Signo lunar</translation>
    </message>
    <message>
        <source>Ascendant</source>
        <translation>Ascendente</translation>
    </message>
    <message>
        <source>Planetary Positions</source>
        <translation>Posições planetárias</translation>
    </message>
    <message>
        <source>&amp;Degree Wheel</source>
        <translation>Roda de &amp;graus</translation>
    </message>
    <message>
        <source>One sign to a house, counted from the Ascendant&apos;s sign</source>
        <translation>Um signo por casa, contado a partir do signo do Ascendente</translation>
    </message>
    <message>
        <source>Whole-&amp;Sign Houses</source>
        <translation>Casas de sig&amp;nos inteiros</translation>
    </message>
    <message>
        <source>&amp;Aspect Grid</source>
        <translation>Grade de as&amp;pectos</translation>
    </message>
    <message>
        <source>&amp;Transits</source>
        <translation>&amp;Trânsitos</translation>
    </message>
    <message>
        <source>Planets in Houses</source>
        <translation>Planetas nas casas</translation>
    </message>
    <message>
        <source>Precise positions (Swiss Ephemeris series)</source>
        <translation>Posições precisas (séries Swiss Ephemeris)</translation>
    </message>
    <message>
        <source>Classic positions (the built-in method)</source>
        <translation>Posições clássicas (o método embutido)</translation>
    </message>
    <message>
        <source> (R) </source>
        <translation> (R) </translation>
    </message>
</context>
<context>
    <name>orbenza::ChartSettingsDialog</name>
    <message>
        <source>Placidus</source>
        <translation>Placidus</translation>
    </message>
    <message>
        <source>Koch</source>
        <translation>Koch</translation>
    </message>
    <message>
        <source>Porphyry</source>
        <translation>Porfírio</translation>
    </message>
    <message>
        <source>Regiomontanus</source>
        <translation>Regiomontanus</translation>
    </message>
    <message>
        <source>Campanus</source>
        <translation>Campanus</translation>
    </message>
    <message>
        <source>Alcabitius</source>
        <translation>Alcabitius</translation>
    </message>
    <message>
        <source>Topocentric (Polich-Page)</source>
        <translation>Topocêntrico (Polich-Page)</translation>
    </message>
    <message>
        <source>Morinus</source>
        <translation>Morinus</translation>
    </message>
    <message>
        <source>Meridian (axial rotation)</source>
        <translation>Meridiano (rotação axial)</translation>
    </message>
    <message>
        <source>Whole sign</source>
        <translation>Signos inteiros</translation>
    </message>
    <message>
        <source>Equal houses from the Ascendant&apos;s degree</source>
        <translation>Casas iguais a partir do grau do Ascendente</translation>
    </message>
    <message>
        <source>Equal houses from the Midheaven</source>
        <translation>Casas iguais a partir do Meio do Céu</translation>
    </message>
    <message>
        <source>Equal houses of whole degrees, as the report has always counted</source>
        <translation>Casas iguais em graus inteiros, como o relatório sempre as contou</translation>
    </message>
    <message>
        <source>Conjunction</source>
        <translation>Conjunção</translation>
    </message>
    <message>
        <source>Opposition</source>
        <translation>Oposição</translation>
    </message>
    <message>
        <source>Trine</source>
        <translation>Trígono</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Quadratura</translation>
    </message>
    <message>
        <source>Sextile</source>
        <translation>Sextil</translation>
    </message>
    <message>
        <source>Quincunx</source>
        <translation>Quincúncio</translation>
    </message>
    <message>
        <source>Semi-sextile</source>
        <translation>Semissextil</translation>
    </message>
    <message>
        <source>Semi-square</source>
        <translation>Semiquadratura</translation>
    </message>
    <message>
        <source>Sesquiquadrate</source>
        <translation>Sesquiquadratura</translation>
    </message>
    <message>
        <source>Quintile</source>
        <translation>Quintil</translation>
    </message>
    <message>
        <source>Biquintile</source>
        <translation>Biquintil</translation>
    </message>
    <message>
        <source>Chart Settings</source>
        <translation>Configurações do mapa</translation>
    </message>
    <message>
        <source>Houses</source>
        <translation>Casas</translation>
    </message>
    <message>
        <source>House &amp;system:</source>
        <translation>&amp;Sistema de casas:</translation>
    </message>
    <message>
        <source>Where Placidus or Koch have no cusps (near and beyond the polar circles) the chart uses Porphyry and says so.</source>
        <translation>Onde Placidus ou Koch não têm cúspides (perto dos círculos polares e além deles), o mapa usa Porfírio e avisa.</translation>
    </message>
    <message>
        <source>Aspects</source>
        <translation>Aspectos</translation>
    </message>
    <message>
        <source>The five major aspects</source>
        <translation>Os cinco aspectos maiores</translation>
    </message>
    <message>
        <source>All eleven aspects</source>
        <translation>Todos os onze aspectos</translation>
    </message>
    <message>
        <source>&amp;List:</source>
        <translation>&amp;Lista:</translation>
    </message>
    <message>
        <source>%1 orb:</source>
        <translation>Orbe de %1:</translation>
    </message>
    <message>
        <source>A major aspect with the Sun or the Moon in it has %1° more.</source>
        <translation>Um aspecto maior que envolva o Sol ou a Lua tem %1° a mais.</translation>
    </message>
</context>
<context>
    <name>orbenza::ChartWheel</name>
    <message>
        <source>Chart wheel</source>
        <translation>Roda do mapa</translation>
    </message>
</context>
<context>
    <name>orbenza::DegreeWheelView</name>
    <message>
        <source>Degree wheel</source>
        <translation>Roda de graus</translation>
    </message>
</context>
<context>
    <name>orbenza::Languages</name>
    <message>
        <source>&amp;View</source>
        <translation>E&amp;xibir</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>The next chart is written in the new language; the menus and screens follow when Orbenza starts again.</source>
        <translation>O próximo mapa será escrito no novo idioma; os menus e as telas mudarão na próxima vez que o Orbenza for iniciado.</translation>
    </message>
</context>
<context>
    <name>orbenza::MainWindow</name>
    <message>
        <source>Join our online astrology community at %1</source>
        <translation>Participe da nossa comunidade de astrologia on-line em %1</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Voltar</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>Export Chart &amp;Picture…</source>
        <translation>Exportar &amp;imagem do mapa…</translation>
    </message>
    <message>
        <source>Save Report as P&amp;DF…</source>
        <translation>Salvar relatório como P&amp;DF…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sai&amp;r</translation>
    </message>
</context>
<context>
    <name>orbenza::OpenChartDialog</name>
    <message>
        <source>Open Chart</source>
        <translation>Abrir mapa</translation>
    </message>
    <message>
        <source>Type part of a name, a date or a place</source>
        <translation>Digite parte de um nome, uma data ou um local</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>A&amp;brir</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>Exc&amp;luir</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Import AAF…</source>
        <translation>&amp;Importar AAF…</translation>
    </message>
    <message>
        <source>&amp;Export AAF…</source>
        <translation>E&amp;xportar AAF…</translation>
    </message>
    <message numerus="yes">
        <source>%n chart(s) in the library</source>
        <translation>
            <numerusform>%n mapa na biblioteca</numerusform>
            <numerusform>%n mapas na biblioteca</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 chart(s) shown</source>
        <translation>
            <numerusform>Exibindo %n de %1 mapas</numerusform>
            <numerusform>Exibindo %n de %1 mapas</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>orbenza::PictureSizeDialog</name>
    <message>
        <source>Picture Size</source>
        <translation>Tamanho da imagem</translation>
    </message>
    <message>
        <source>Width of the PNG picture. The height follows from it, so the wheel keeps its proportions.</source>
        <translation>Largura da imagem PNG. A altura decorre dela, para que a roda mantenha suas proporções.</translation>
    </message>
    <message>
        <source> px</source>
        <translation> px</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>&amp;Largura:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Altura:</translation>
    </message>
    <message>
        <source>%1 px</source>
        <translation>%1 px</translation>
    </message>
</context>
<context>
    <name>orbenza::RecentChartsMenu</name>
    <message>
        <source>Recent &amp;Charts</source>
        <translation>Mapas r&amp;ecentes</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(nenhum)</translation>
    </message>
</context>
<context>
    <name>orbenza::SaveScreen</name>
    <message>
        <source>Rich Text Format (*.rtf)</source>
        <translation>Rich Text Format (*.rtf)</translation>
    </message>
    <message>
        <source>Plain text (*.txt)</source>
        <translation>Texto simples (*.txt)</translation>
    </message>
    <message>
        <source>Report Generated By %1</source>
        <translation>Relatório gerado por %1</translation>
    </message>
    <message>
        <source>Visit us now at %1 for more about your chart</source>
        <translation>Visite-nos agora em %1 para saber mais sobre seu mapa</translation>
    </message>
    <message>
        <source>Talk about your chart with other readers in our online discussion forum</source>
        <translation>Converse sobre seu mapa com outros leitores no nosso fórum on-line</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salvar</translation>
    </message>
    <message>
        <source>Save the report as Rich Text or plain text</source>
        <translation>Salvar o relatório como Rich Text ou texto simples</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>Print the report, or only the part of it you have selected</source>
        <translation>Imprimir o relatório, ou só a parte que você selecionou</translation>
    </message>
    <message>
        <source>The report could not be saved to &quot;%1&quot;.

%2</source>
        <translation>Não foi possível salvar o relatório em &quot;%1&quot;.

%2</translation>
    </message>
    <message>
        <source>The report could not be printed to &quot;%1&quot;.</source>
        <translation>Não foi possível imprimir o relatório em &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>orbenza::TransitsTab</name>
    <message>
        <source>Transits bi-wheel</source>
        <translation>Roda dupla de trânsitos</translation>
    </message>
    <message>
        <source>Exact transits in the next twelve months</source>
        <translation>Trânsitos exatos nos próximos doze meses</translation>
    </message>
    <message>
        <source>E&amp;xport…</source>
        <translation>Exp&amp;ortar…</translation>
    </message>
    <message>
        <source>Save the bi-wheel as an SVG or PNG picture or a PDF document</source>
        <translation>Salvar a roda dupla como imagem SVG ou PNG ou como documento PDF</translation>
    </message>
    <message>
        <source>Exact (UT)</source>
        <translation>Exato (UT)</translation>
    </message>
    <message>
        <source>Transiting</source>
        <translation>Em trânsito</translation>
    </message>
    <message>
        <source>Aspect</source>
        <translation>Aspecto</translation>
    </message>
    <message>
        <source>Natal</source>
        <translation>Natal</translation>
    </message>
    <message>
        <source>In orb</source>
        <translation>Dentro do orbe</translation>
    </message>
    <message>
        <source>Double-click a transit to show the sky of its exact moment</source>
        <translation>Clique duas vezes em um trânsito para mostrar o céu do seu momento exato</translation>
    </message>
    <message>
        <source>« Month</source>
        <translation>« Mês</translation>
    </message>
    <message>
        <source>One month earlier</source>
        <translation>Um mês antes</translation>
    </message>
    <message>
        <source>‹ Day</source>
        <translation>‹ Dia</translation>
    </message>
    <message>
        <source>One day earlier</source>
        <translation>Um dia antes</translation>
    </message>
    <message>
        <source>‹ Hour</source>
        <translation>‹ Hora</translation>
    </message>
    <message>
        <source>One hour earlier</source>
        <translation>Uma hora antes</translation>
    </message>
    <message>
        <source>Moment of the transits, universal time</source>
        <translation>Momento dos trânsitos, hora universal</translation>
    </message>
    <message>
        <source>UT</source>
        <translation>UT</translation>
    </message>
    <message>
        <source>Hour ›</source>
        <translation>Hora ›</translation>
    </message>
    <message>
        <source>One hour later</source>
        <translation>Uma hora depois</translation>
    </message>
    <message>
        <source>Day ›</source>
        <translation>Dia ›</translation>
    </message>
    <message>
        <source>One day later</source>
        <translation>Um dia depois</translation>
    </message>
    <message>
        <source>Month »</source>
        <translation>Mês »</translation>
    </message>
    <message>
        <source>One month later</source>
        <translation>Um mês depois</translation>
    </message>
    <message>
        <source>&amp;Now</source>
        <translation>Ago&amp;ra</translation>
    </message>
    <message>
        <source>The sky of this moment</source>
        <translation>O céu deste momento</translation>
    </message>
    <message>
        <source> (R)</source>
        <translation> (R)</translation>
    </message>
    <message>
        <source>, pass %1 of %2</source>
        <translation>, passagem %1 de %2</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>Exact transits from %1 to %2</source>
        <translation>Trânsitos exatos de %1 a %2</translation>
    </message>
    <message>
        <source>Inside: the birth chart. Outside: the sky of %1</source>
        <translation>Dentro: o mapa natal. Fora: o céu de %1</translation>
    </message>
    <message>
        <source>Transits</source>
        <translation>Trânsitos</translation>
    </message>
    <message>
        <source>Transits of %1</source>
        <translation>Trânsitos de %1</translation>
    </message>
    <message>
        <source>The sky of %1 round the birth chart</source>
        <translation>O céu de %1 em volta do mapa natal</translation>
    </message>
    <message>
        <source>transits</source>
        <translation>trânsitos</translation>
    </message>
</context>
<context>
    <name>orbenza::UserMessages</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Restaurar padrões</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sim</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Não</translation>
    </message>
    <message>
        <source>Please Enter Name</source>
        <translation>Digite o nome</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 179 in the Degree of Longitude</source>
        <translation>Digite um valor entre 0 e 179 nos graus de longitude</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 59 in the  Minute of Longitude</source>
        <translation>Digite um valor entre 0 e 59 nos minutos de longitude</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 89 in the Degree of Latitude</source>
        <translation>Digite um valor entre 0 e 89 nos graus de latitude</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 59 in the  Minute of Latitude</source>
        <translation>Digite um valor entre 0 e 59 nos minutos de latitude</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>Digite um dia ou mês correto!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>Digite um dia ou mês correto!</translation>
    </message>
    <message>
        <source>Only Numbers Are Accepted</source>
        <translation>Somente números são aceitos</translation>
    </message>
    <message>
        <source>Please Enter only Letters</source>
        <translation>Digite somente letras</translation>
    </message>
    <message>
        <source>Please Enter City</source>
        <translation>Digite a cidade</translation>
    </message>
    <message>
        <source>Please Enter State</source>
        <translation>Digite o estado</translation>
    </message>
    <message>
        <source>Please Enter Country</source>
        <translation>Digite o país</translation>
    </message>
    <message>
        <source>Application is already running</source>
        <translation>O aplicativo já está em execução</translation>
    </message>
</context>
</TS>
